# Called as `interactor input answer feedback_dir`; talks with the submission
# on standard input and output: N, then N questions "a b", each answered by
# the sum before the next is asked.
import os
import sys


def wrong(message):
    with open(os.path.join(sys.argv[3], "judgemessage.txt"), "w") as feedback:
        feedback.write(message + "\n")
    sys.exit(43)


numbers = open(sys.argv[1]).read().split()
count = int(numbers[0])
print(count, flush=True)
for i in range(count):
    a, b = int(numbers[1 + 2 * i]), int(numbers[2 + 2 * i])
    print(a, b, flush=True)
    line = sys.stdin.readline()
    if not line:
        wrong("no answer to question %d" % (i + 1))
    try:
        answer = int(line)
    except ValueError:
        wrong("question %d: not a number: %r" % (i + 1, line.strip()))
    if answer != a + b:
        wrong("question %d: expected %d, found %d" % (i + 1, a + b, answer))
sys.exit(42)
