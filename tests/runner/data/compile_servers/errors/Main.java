import java.util.*;
public class Main {
  public static void main(String[] a) {
    List<String> raw = new ArrayList();
    int 값 = "문자열";
    System.out.println(missing);
  }
}
