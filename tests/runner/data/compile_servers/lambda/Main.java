public class Main { public static void main(String[] a) {
  Runnable r = () -> System.out.println("안녕"); r.run(); } }
