import java.io.BufferedReader;
import java.io.BufferedWriter;
import java.io.IOException;
import java.io.InputStreamReader;
import java.io.OutputStreamWriter;
import java.io.PrintWriter;
import java.math.BigInteger;
import java.util.*;
import java.util.stream.Collectors;

// What solutions commonly touch: both ways of reading input, the usual
// collections, sorting with comparators, streams, big numbers and both ways
// of writing output. Compiled to warm the compile server up, and run once to
// list the classes the class-data archive keeps.
public class Main {
    public static void main(String[] args) throws IOException {
        BufferedReader in = new BufferedReader(new InputStreamReader(System.in));
        StringTokenizer tokens = new StringTokenizer(in.readLine());
        int n = Integer.parseInt(tokens.nextToken());
        long[] values = new long[n];
        Scanner line = new Scanner(in.readLine());
        for (int i = 0; i < n; i++)
            values[i] = line.nextLong();
        Arrays.sort(values);

        List<Long> list = new ArrayList<>();
        Map<Long, Integer> counts = new HashMap<>();
        TreeMap<Long, Integer> ordered = new TreeMap<>();
        Set<Long> seen = new HashSet<>();
        Deque<Long> queue = new ArrayDeque<>();
        PriorityQueue<long[]> heap = new PriorityQueue<>((a, b) -> Long.compare(a[0], b[0]));
        for (long value : values) {
            list.add(value);
            counts.merge(value, 1, Integer::sum);
            ordered.put(value, ordered.getOrDefault(value, 0) + 1);
            seen.add(value);
            queue.addLast(value);
            heap.add(new long[] {value, list.size()});
        }
        list.sort(Comparator.reverseOrder());
        Collections.sort(list);
        String joined = list.stream().map(String::valueOf).collect(Collectors.joining(" "));
        long sum = Arrays.stream(values).sum();
        BigInteger product = BigInteger.ONE;
        for (long value : values)
            product = product.multiply(BigInteger.valueOf(value));

        StringBuilder text = new StringBuilder();
        text.append(joined).append('\n');
        text.append(String.format("%d %.3f %s%n", sum, Math.sqrt(sum), product));
        text.append(counts.size() + ordered.firstKey() + seen.size() + queue.peekFirst()
                + heap.poll()[0]).append('\n');
        BufferedWriter out = new BufferedWriter(new OutputStreamWriter(System.out));
        out.write(text.toString());
        out.flush();
        PrintWriter writer = new PrintWriter(System.out);
        writer.println(Math.max(n, 0));
        writer.flush();
    }
}
