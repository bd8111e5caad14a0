print("Hello World!")
raise SystemExit(3)
