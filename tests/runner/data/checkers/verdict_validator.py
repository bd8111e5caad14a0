# A validator called as `validator input answer feedback_dir` with the output
# on standard input. The answer chooses what it does: "crash", "code N" (exit
# N), or any other word, which the output's first word must equal.
import os
import sys

answer = open(sys.argv[2]).read().split()
if answer[0] == "crash":
    os.abort()
if answer[0] == "code":
    print("exit " + answer[1] + " told by the answer", file=sys.stderr)
    sys.exit(int(answer[1]))
found = sys.stdin.read().split()
if found[:1] != answer[:1]:
    with open(os.path.join(sys.argv[3], "judgemessage.txt"), "w") as message:
        message.write("expected " + answer[0] + ", found " + " ".join(found[:1]))
    sys.exit(43)
sys.exit(42)
