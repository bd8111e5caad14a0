using System;

class Program {
    static void Main() {
        string[] parts = Console.ReadLine().Split(' ');
        Console.WriteLine(long.Parse(parts[0]) + long.Parse(parts[1]));
    }
}
