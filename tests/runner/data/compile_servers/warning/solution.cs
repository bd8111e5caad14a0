class P { static void Main() { int unused; } }
