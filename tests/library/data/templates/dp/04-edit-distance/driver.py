print(edit_distance("kitten", "sitting"), edit_distance("", "abc"), edit_distance("abc", ""),
      edit_distance("intention", "execution"), edit_distance("abc", "abc"))
