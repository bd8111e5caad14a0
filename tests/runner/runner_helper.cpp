// A program whose behaviour the runner tests choose, one step per argument
// pair, carried out in order:
//   out TEXT | err TEXT     write TEXT to standard output | error
//   echo                    copy standard input to standard output
//   flood out|err BYTES     write BYTES bytes ('x'), or without end for -1
//   ignore-term             ignore SIGTERM from now on
//   fork-sleeper            start a child that prints its pid and sleeps 30 s
//                           with standard output and error still open
//   alloc MB                allocate MB megabytes and touch every page
//   hang                    sleep without end
//   crash                   abort
//   exit CODE               exit with CODE
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

void writeAll(int fd, const char* data, size_t size) {
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size);
        if (written <= 0)
            std::exit(120);
        data += written;
        size -= size_t(written);
    }
}

void flood(int fd, long long bytes) {
    const std::vector<char> block(1 << 16, 'x');
    while (bytes != 0) {
        const size_t size =
            bytes < 0 ? block.size() : std::min<size_t>(block.size(), size_t(bytes));
        writeAll(fd, block.data(), size);
        if (bytes > 0)
            bytes -= (long long)size;
    }
}

} // namespace

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string step = argv[i];
        const char* next = i + 1 < argc ? argv[i + 1] : "";
        if (step == "out" || step == "err") {
            writeAll(step == "out" ? 1 : 2, next, std::strlen(next));
            ++i;
        } else if (step == "echo") {
            char buffer[4096];
            ssize_t count;
            while ((count = ::read(0, buffer, sizeof buffer)) > 0)
                writeAll(1, buffer, size_t(count));
        } else if (step == "flood") {
            flood(std::string(next) == "out" ? 1 : 2, std::atoll(argv[i + 2]));
            i += 2;
        } else if (step == "ignore-term") {
            std::signal(SIGTERM, SIG_IGN);
        } else if (step == "fork-sleeper") {
            int ready[2];
            if (::pipe(ready) != 0)
                return 121;
            if (::fork() == 0) {
                const std::string pid = std::to_string(::getpid()) + "\n";
                writeAll(1, pid.data(), pid.size());
                ::close(ready[1]);
                ::sleep(30);
                std::_Exit(0);
            }
            // The pid line comes before whatever the parent writes next.
            ::close(ready[1]);
            char ignored;
            while (::read(ready[0], &ignored, 1) > 0) {
            }
        } else if (step == "alloc") {
            const size_t size = size_t(std::atoll(next)) << 20;
            char* block = static_cast<char*>(std::malloc(size));
            if (!block)
                return 122;
            std::memset(block, 1, size);
            ++i;
        } else if (step == "hang") {
            for (;;)
                ::pause();
        } else if (step == "crash") {
            std::abort();
        } else if (step == "exit") {
            return std::atoi(next);
        }
    }
    return 0;
}
