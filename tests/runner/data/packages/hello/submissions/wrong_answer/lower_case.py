print("hello world!")
