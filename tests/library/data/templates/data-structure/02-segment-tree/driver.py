st = SegmentTree([5, 3, 7, 9, 6, 4, 1, 2])
odd = SegmentTree([1, 2, 3, 4, 5])
r = [st.query(0, 7), st.query(2, 5), st.query(3, 3)]
st.update(3, 0)
r += [st.query(2, 5), st.query(0, 7), odd.query(1, 3), odd.query(0, 4), odd.query(4, 4)]
print(*r)
