using System;
using System.IO;
using System.Reflection;
using System.Text;

// Compiles C# sources for one editor session with mono's compiler loaded once,
// instead of starting mono for every compile. Requests come on standard input,
// one at a time: a line with the argument count, then one line per mcs
// argument. Each answer on standard output is a line "EXIT OUTBYTES ERRBYTES"
// and then what mcs would have written to its standard output and error;
// EXIT -1 says this compile could not be done here. Ends with its input.
static class CompileServer {
    static int Main() {
        Stream answers = Console.OpenStandardOutput();
        var requests = new StreamReader(Console.OpenStandardInput(), new UTF8Encoding(false));
        Encoding encoding = Console.OutputEncoding;
        var compiler = new MonoCompiler();
        string[] arguments;
        while ((arguments = ReadRequest(requests)) != null) {
            var output = new StringWriter();
            var error = new StringWriter();
            Console.SetOut(output);
            Console.SetError(error);
            int exitCode;
            try {
                exitCode = compiler.Run(arguments);
            } catch (Exception) {
                // The plain mcs says what the user should see.
                exitCode = -1;
            } finally {
                compiler.Reset();
            }
            Answer(answers, exitCode, encoding.GetBytes(output.ToString()),
                   encoding.GetBytes(error.ToString()));
        }
        return 0;
    }

    static string[] ReadRequest(TextReader requests) {
        string count = requests.ReadLine();
        if (count == null)
            return null;
        var arguments = new string[int.Parse(count.Trim())];
        for (int i = 0; i < arguments.Length; ++i) {
            arguments[i] = requests.ReadLine();
            if (arguments[i] == null)
                return null;
        }
        return arguments;
    }

    static void Answer(Stream answers, int exitCode, byte[] output, byte[] error) {
        byte[] header = Encoding.ASCII.GetBytes(
            exitCode + " " + output.Length + " " + error.Length + "\n");
        answers.Write(header, 0, header.Length);
        answers.Write(output, 0, output.Length);
        answers.Write(error, 0, error.Length);
        answers.Flush();
    }
}

// The compiler of this mono installation (its mcs.exe beside the class
// library), driven the way its command line drives it. Its driver is not
// public, so it is reached by reflection.
class MonoCompiler {
    readonly Type parser;
    readonly Type context;
    readonly Type printer;
    readonly Type driver;
    readonly Type location;
    readonly MethodInfo reset;

    public MonoCompiler() {
        string folder = Path.GetDirectoryName(typeof(object).Assembly.Location);
        Assembly mcs = Assembly.LoadFrom(Path.Combine(folder, "mcs.exe"));
        parser = mcs.GetType("Mono.CSharp.CommandLineParser", true);
        context = mcs.GetType("Mono.CSharp.CompilerContext", true);
        printer = mcs.GetType("Mono.CSharp.ConsoleReportPrinter", true);
        driver = mcs.GetType("Mono.CSharp.Driver", true);
        location = mcs.GetType("Mono.CSharp.Location", true);
        reset = mcs.GetType("Mono.CSharp.CompilerCallableEntryPoint", true)
                    .GetMethod("Reset", Type.EmptyTypes);
    }

    // The exit status mcs would give; its messages go to Console.Out and
    // Console.Error as they would from the command line.
    public int Run(string[] arguments) {
        location.GetField("InEmacs").SetValue(
            null, Environment.GetEnvironmentVariable("EMACS") == "t");
        object commandLine = Activator.CreateInstance(parser, Console.Out);
        object settings = parser.GetMethod("ParseArguments", new[] { typeof(string[]) })
                              .Invoke(commandLine, new object[] { arguments });
        if (settings == null)
            return 1;
        if ((bool)parser.GetProperty("HasBeenStopped").GetValue(commandLine))
            return 0;
        object compilation =
            Activator.CreateInstance(context, settings, Activator.CreateInstance(printer));
        object instance = Activator.CreateInstance(
            driver, BindingFlags.Instance | BindingFlags.Public | BindingFlags.NonPublic, null,
            new[] { compilation }, null);
        bool compiled = (bool)driver.GetMethod("Compile").Invoke(instance, null);
        object report = context.GetProperty("Report").GetValue(compilation);
        int errors = (int)report.GetType().GetProperty("Errors").GetValue(report);
        int warnings = (int)report.GetType().GetProperty("Warnings").GetValue(report);
        if (compiled && errors == 0) {
            if (warnings > 0)
                Console.WriteLine("Compilation succeeded - {0} warning(s)", warnings);
            return 0;
        }
        Console.WriteLine("Compilation failed: {0} error(s), {1} warnings", errors, warnings);
        return 1;
    }

    // What one compile leaves in the compiler's static state.
    public void Reset() {
        reset.Invoke(null, null);
    }
}
