import java.util.*;
public class Main { public static void main(String[] a) {
  Scanner in = new Scanner(System.in);
  List<Integer> xs = new ArrayList<>(List.of(in.nextInt(), in.nextInt()));
  xs.sort(Comparator.reverseOrder());
  System.out.println(xs.stream().mapToInt(x -> x).sum() + " " + xs); } }
