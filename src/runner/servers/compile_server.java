import java.io.BufferedReader;
import java.io.ByteArrayOutputStream;
import java.io.File;
import java.io.FileDescriptor;
import java.io.FileOutputStream;
import java.io.IOException;
import java.io.InputStreamReader;
import java.io.OutputStream;
import java.io.PrintStream;
import java.io.PrintWriter;
import java.nio.charset.Charset;
import java.nio.charset.StandardCharsets;
import java.util.ArrayList;
import java.util.List;
import javax.tools.JavaCompiler;
import javax.tools.StandardJavaFileManager;
import javax.tools.StandardLocation;
import javax.tools.ToolProvider;

// Compiles Java sources for one editor session, so the JVM and the compiler
// start once instead of once per compile. Requests come on standard input,
// one at a time: a line with the argument count, then one line per javac
// argument. Each answer on standard output is a line "EXIT OUTBYTES ERRBYTES"
// and then what javac would have written to its standard output and error;
// EXIT -1 says this compile could not be done here. Ends with its input.
final class CompileServer {
    public static void main(String[] args) throws IOException {
        OutputStream answers = new FileOutputStream(FileDescriptor.out);
        BufferedReader requests =
                new BufferedReader(new InputStreamReader(System.in, StandardCharsets.UTF_8));
        JavaCompiler compiler = ToolProvider.getSystemJavaCompiler();
        // Reused by every compile: it keeps the platform's class index open.
        StandardJavaFileManager files = compiler.getStandardFileManager(null, null, null);
        // javac started from a shell without CLASSPATH looks for classes in
        // the working folder, never in the class path of the JVM it runs in.
        files.setLocation(StandardLocation.CLASS_PATH, List.of(new File(".")));
        Charset charset = Charset.defaultCharset();
        List<String> arguments;
        while ((arguments = readRequest(requests)) != null) {
            ByteArrayOutputStream output = new ByteArrayOutputStream();
            ByteArrayOutputStream error = new ByteArrayOutputStream();
            PrintStream standardOutput = new PrintStream(output, true, charset);
            PrintStream standardError = new PrintStream(error, true, charset);
            // Anything run inside the compile (an annotation processor)
            // prints into the answer, never across the protocol.
            System.setOut(standardOutput);
            System.setErr(standardError);
            int exitCode = compile(compiler, files, arguments, new PrintWriter(standardError));
            standardOutput.flush();
            standardError.flush();
            answer(answers, exitCode, output.toByteArray(), error.toByteArray());
        }
        System.exit(0);
    }

    private static List<String> readRequest(BufferedReader requests) throws IOException {
        String count = requests.readLine();
        if (count == null)
            return null;
        List<String> arguments = new ArrayList<>();
        for (int i = Integer.parseInt(count.trim()); i > 0; --i) {
            String argument = requests.readLine();
            if (argument == null)
                return null;
            arguments.add(argument);
        }
        return arguments;
    }

    private static int compile(JavaCompiler compiler, StandardJavaFileManager files,
            List<String> arguments, PrintWriter diagnostics) {
        List<String> options = new ArrayList<>();
        List<String> sources = new ArrayList<>();
        for (String argument : arguments)
            (argument.endsWith(".java") ? sources : options).add(argument);
        try {
            boolean succeeded = compiler
                    .getTask(diagnostics, files, null, options, null,
                            files.getJavaFileObjectsFromStrings(sources))
                    .call();
            return succeeded ? 0 : 1;
        } catch (RuntimeException | Error failure) {
            // An option this way of compiling refuses, or the compiler itself
            // failing: the plain javac says what the user should see.
            return -1;
        } finally {
            diagnostics.flush();
        }
    }

    private static void answer(OutputStream answers, int exitCode, byte[] output, byte[] error)
            throws IOException {
        String header = exitCode + " " + output.length + " " + error.length + "\n";
        answers.write(header.getBytes(StandardCharsets.US_ASCII));
        answers.write(output);
        answers.write(error);
        answers.flush();
    }
}
