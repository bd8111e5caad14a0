class P { static void Main() { int unused; int 값 = "문자열";
  System.Console.WriteLine(missing); } }
