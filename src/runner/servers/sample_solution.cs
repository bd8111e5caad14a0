using System;
using System.Collections.Generic;
using System.IO;
using System.Linq;
using System.Text;

// What solutions commonly touch: reading and splitting lines, the usual
// collections, sorting, LINQ, decimals and buffered output. Compiled to
// warm the compile server up.
class Program {
    static void Main() {
        int n = int.Parse(Console.ReadLine().Trim());
        long[] values = Console.ReadLine().Split(' ').Select(long.Parse).ToArray();
        Array.Sort(values);
        var list = new List<long>(values);
        var counts = new Dictionary<long, int>();
        var ordered = new SortedDictionary<long, int>();
        var seen = new HashSet<long>();
        var queue = new Queue<long>();
        var stack = new Stack<long>();
        foreach (long value in values) {
            counts[value] = counts.TryGetValue(value, out int count) ? count + 1 : 1;
            ordered[value] = 1;
            seen.Add(value);
            queue.Enqueue(value);
            stack.Push(value);
        }
        list.Sort((a, b) => b.CompareTo(a));
        decimal product = values.Aggregate(1m, (p, v) => p * v);
        var text = new StringBuilder();
        text.AppendLine(string.Join(" ", list.OrderBy(v => v)));
        text.AppendFormat("{0} {1:F3} {2}\n", values.Sum(), Math.Sqrt(values.Sum()), product);
        text.AppendLine((counts.Count + ordered.Keys.First() + seen.Count + queue.Peek() +
                         stack.Peek() + n).ToString());
        var output = new StreamWriter(Console.OpenStandardOutput());
        output.Write(text.ToString());
        output.Flush();
    }
}
