import java.io.BufferedReader;
import java.io.InputStreamReader;
import java.util.StringTokenizer;

public class Main {
    public static void main(String[] args) throws Exception {
        BufferedReader in = new BufferedReader(new InputStreamReader(System.in));
        StringTokenizer tokens = new StringTokenizer(in.readLine());
        long a = Long.parseLong(tokens.nextToken());
        long b = Long.parseLong(tokens.nextToken());
        System.out.println(a + b);
    }
}
