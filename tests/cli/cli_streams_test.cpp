// haberes-cli as a process among others: output that cannot be written,
// a caller that writes a line and waits, lines of any length, and files
// and locale names as people have them.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QTemporaryDir>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

const std::string kRecord = "{\"horasmedio\": true, \"numerohorasmed\": \"25\"}\n"; // read alike in every locale

struct Finished {
    int exitCode = -1;
    long peakKiB = 0; // largest resident set of the process
};

// haberes-cli with these arguments (raw bytes) and these descriptors as its
// standard input, output and error.
pid_t spawnCli(std::vector<std::string> args, int in, int out, int err)
{
    args.insert(args.begin(), HABERES_CLI);
    std::vector<char*> argv;
    for (std::string& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, in, STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, out, STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, err, STDERR_FILENO);
    pid_t pid = -1;
    EXPECT_EQ(posix_spawn(&pid, HABERES_CLI, &actions, nullptr, argv.data(), environ), 0);
    posix_spawn_file_actions_destroy(&actions);
    return pid;
}

// Waits for the process, killing it after a minute so that no test hangs.
Finished finish(pid_t pid)
{
    Finished f;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    int status = 0;
    rusage usage{};
    for (;;) {
        const pid_t done = wait4(pid, &status, WNOHANG, &usage);
        if (done == pid)
            break;
        if (std::chrono::steady_clock::now() > deadline) {
            ADD_FAILURE() << "haberes-cli did not end";
            kill(pid, SIGKILL);
            wait4(pid, &status, 0, &usage);
            return f;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    f.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    f.peakKiB = usage.ru_maxrss;
    return f;
}

class TempFiles {
public:
    std::string path(const std::string& name) const { return dir_.path().toStdString() + "/" + name; }
    std::string write(const std::string& name, const std::string& content) const
    {
        const std::string p = path(name);
        const int fd = ::open(p.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
        EXPECT_GE(fd, 0);
        EXPECT_EQ(::write(fd, content.data(), content.size()), ssize_t(content.size()));
        ::close(fd);
        return p;
    }
    static std::string read(const std::string& p)
    {
        std::string content;
        const int fd = ::open(p.c_str(), O_RDONLY | O_CLOEXEC);
        char buf[65536];
        for (ssize_t n; fd >= 0 && (n = ::read(fd, buf, sizeof buf)) > 0;)
            content.append(buf, std::size_t(n));
        ::close(fd);
        return content;
    }

private:
    QTemporaryDir dir_;
};

struct FileRun {
    Finished finished;
    std::vector<std::string> lines;
    std::string err;
};

// One run with standard input from a file holding `input` (or the named
// output device instead of a file for standard output).
FileRun runOnFile(const std::vector<std::string>& args, const std::string& input, const char* outputDevice = nullptr)
{
    TempFiles files;
    const std::string inPath = files.write("in.jsonl", input);
    const std::string outPath = outputDevice ? outputDevice : files.path("out.jsonl");
    const std::string errPath = files.path("err.txt");
    const int in = ::open(inPath.c_str(), O_RDONLY | O_CLOEXEC);
    const int out = ::open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    const int err = ::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    FileRun run;
    run.finished = finish(spawnCli(args, in, out, err));
    ::close(in);
    ::close(out);
    ::close(err);
    if (!outputDevice) {
        const std::string text = TempFiles::read(outPath);
        for (std::size_t at = 0; at < text.size();) {
            const std::size_t nl = text.find('\n', at);
            run.lines.push_back(text.substr(at, nl - at));
            at = nl == std::string::npos ? text.size() : nl + 1;
        }
    }
    run.err = TempFiles::read(errPath);
    return run;
}

bool isPayslip(const std::string& line) { return line.starts_with("{\"ok\": true"); }

} // namespace

TEST(Output, AFailedWriteIsExitTwoWithASpanishMessage)
{
    std::string many;
    for (int i = 0; i < 2000; ++i)
        many += kRecord; // several blocks: the failure comes mid-run
    struct Case {
        const char* what;
        std::vector<std::string> args;
        std::string input;
    } cases[] = {
        {"one record, written at the end", {}, kRecord},
        {"many records", {"--locale", "es_AR"}, many},
        {"--version", {"--version"}, ""},
        {"--help", {"--help"}, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const FileRun run = runOnFile(c.args, c.input, "/dev/full");
        EXPECT_EQ(run.finished.exitCode, 2);
        EXPECT_NE(run.err.find("no se pudieron escribir los resultados (no queda espacio en el disco)"),
                  std::string::npos)
            << run.err;
    }
}

TEST(Output, ACallerThatWritesALineAndWaitsGetsItsAnswer)
{
    int toCli[2], fromCli[2];
    ASSERT_EQ(pipe2(toCli, O_CLOEXEC), 0);
    ASSERT_EQ(pipe2(fromCli, O_CLOEXEC), 0);
    const int devnull = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
    const pid_t pid = spawnCli({"--locale", "es_AR"}, toCli[0], fromCli[1], devnull);
    ::close(toCli[0]);
    ::close(fromCli[1]);
    ::close(devnull);

    // Each answer must come while the input stays open.
    std::string received;
    for (int round = 1; round <= 2; ++round) {
        ASSERT_EQ(::write(toCli[1], kRecord.data(), kRecord.size()), ssize_t(kRecord.size()));
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
        while (std::count(received.begin(), received.end(), '\n') < round &&
               std::chrono::steady_clock::now() < deadline) {
            pollfd p{fromCli[0], POLLIN, 0};
            if (::poll(&p, 1, 100) > 0) {
                char buf[65536];
                const ssize_t n = ::read(fromCli[0], buf, sizeof buf);
                if (n <= 0)
                    break;
                received.append(buf, std::size_t(n));
            }
        }
        ASSERT_EQ(std::count(received.begin(), received.end(), '\n'), round) << "no answer to record " << round;
    }
    ::close(toCli[1]);
    EXPECT_EQ(finish(pid).exitCode, 0);
    ::close(fromCli[0]);
    EXPECT_TRUE(isPayslip(received));
}

TEST(Input, ALineUpToTheCapIsARecordOneByteMoreIsMalformed)
{
    const std::size_t cap = std::size_t(1) << 20;
    auto recordOfLength = [](std::size_t length) {
        const std::string head = "{\"horasmedio\": true, \"docente\": \"";
        return head + std::string(length - head.size() - 2, 'x') + "\"}";
    };
    const FileRun run = runOnFile({}, recordOfLength(cap) + "\n" + recordOfLength(cap + 1) + "\n" + kRecord);
    EXPECT_EQ(run.finished.exitCode, 1);
    ASSERT_EQ(run.lines.size(), 3u);
    EXPECT_TRUE(isPayslip(run.lines[0]));
    EXPECT_EQ(run.lines[1], "{\"ok\": false, \"field\": null, \"error\": \"Línea demasiado larga: más de 1048576 bytes\"}");
    EXPECT_TRUE(isPayslip(run.lines[2]));
}

TEST(Input, AHugeLineIsSkippedWithoutBeingHeld)
{
    // A 96 MiB line through a pipe, then a record; the same record alone
    // gives the memory a run needs anyway.
    auto peakWith = [](bool hugeLine, std::vector<std::string>& lines) {
        int toCli[2], fromCli[2];
        EXPECT_EQ(pipe2(toCli, O_CLOEXEC), 0);
        EXPECT_EQ(pipe2(fromCli, O_CLOEXEC), 0);
        const int devnull = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
        const pid_t pid = spawnCli({}, toCli[0], fromCli[1], devnull);
        ::close(toCli[0]);
        ::close(fromCli[1]);
        ::close(devnull);
        std::thread writer([fd = toCli[1], hugeLine] {
            if (hugeLine) {
                const std::string chunk(1 << 20, 'x');
                std::string head = "{\"docente\": \"";
                (void)!::write(fd, head.data(), head.size());
                for (int i = 0; i < 96; ++i)
                    for (std::size_t done = 0; done < chunk.size();) {
                        const ssize_t n = ::write(fd, chunk.data() + done, chunk.size() - done);
                        if (n <= 0)
                            return;
                        done += std::size_t(n);
                    }
                (void)!::write(fd, "\"}\n", 3);
            }
            (void)!::write(fd, kRecord.data(), kRecord.size());
            ::close(fd);
        });
        std::string out;
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
        for (pollfd p{fromCli[0], POLLIN, 0}; std::chrono::steady_clock::now() < deadline;) {
            if (::poll(&p, 1, 100) <= 0)
                continue;
            char buf[65536];
            const ssize_t n = ::read(fromCli[0], buf, sizeof buf);
            if (n <= 0)
                break;
            out.append(buf, std::size_t(n));
        }
        ::close(fromCli[0]);
        writer.join();
        const Finished f = finish(pid);
        for (std::size_t at = 0, nl; (nl = out.find('\n', at)) != std::string::npos; at = nl + 1)
            lines.push_back(out.substr(at, nl - at));
        EXPECT_EQ(f.exitCode, hugeLine ? 1 : 0);
        return f.peakKiB;
    };
    std::vector<std::string> plain, huge;
    const long baseline = peakWith(false, plain);
    const long peak = peakWith(true, huge);
    ASSERT_EQ(huge.size(), 2u);
    EXPECT_NE(huge[0].find("Línea demasiado larga"), std::string::npos) << huge[0];
    EXPECT_TRUE(isPayslip(huge[1]));
    EXPECT_LT(peak, baseline + 16 * 1024) << "KiB; the line was 96 MiB";
}

TEST(Input, AByteOrderMarkStartsTheInputOnly)
{
    const std::string bom = "\xEF\xBB\xBF";
    const FileRun run = runOnFile({}, bom + kRecord + bom + kRecord);
    ASSERT_EQ(run.lines.size(), 2u);
    EXPECT_TRUE(isPayslip(run.lines[0])) << run.lines[0];
    EXPECT_FALSE(isPayslip(run.lines[1])); // inside the text, it is not JSON
    EXPECT_EQ(run.finished.exitCode, 1);

    const FileRun onlyMark = runOnFile({}, bom);
    EXPECT_EQ(onlyMark.finished.exitCode, 0);
    EXPECT_TRUE(onlyMark.lines.empty());
}

TEST(Input, AFileNameThatIsNotUtf8IsOpenedByItsBytes)
{
    TempFiles files;
    const std::string name = files.write("registros-\xff\xfe.jsonl", kRecord);
    const FileRun run = runOnFile({"--locale", "es_AR", name}, "");
    EXPECT_EQ(run.finished.exitCode, 0) << run.err;
    ASSERT_EQ(run.lines.size(), 1u);
    EXPECT_TRUE(isPayslip(run.lines[0]));

    const FileRun missing = runOnFile({files.path("otro-\xff.jsonl")}, "");
    EXPECT_EQ(missing.finished.exitCode, 2);
    EXPECT_NE(missing.err.find("otro-\xff.jsonl"), std::string::npos);
}

TEST(Input, LocaleNamesAsLangHoldsThem)
{
    struct Case {
        const char* name;
        const char* hours; // read only with this locale's separator
    } cases[] = {
        {"C.UTF-8", "12.5"},          {"es_AR.UTF-8", "12,5"},     {"es_AR.UTF-8@euro", "12,5"},
        {"es_ES@euro", "12,5"},       {"en_US.ISO-8859-1", "12.5"}, {"es_AR.utf8", "12,5"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string record = std::string("{\"horassup\": true, \"numerohorassup\": \"") + c.hours + "\"}\n";
        const FileRun run = runOnFile({"--locale", c.name}, record);
        EXPECT_EQ(run.finished.exitCode, 0) << run.err;
        ASSERT_EQ(run.lines.size(), 1u);
        EXPECT_TRUE(isPayslip(run.lines[0])) << run.lines[0];
    }
    for (const char* unknown : {"xx_NOPE.UTF-8", "@euro", ".UTF-8"})
        EXPECT_EQ(runOnFile({"--locale", unknown}, kRecord).finished.exitCode, 2) << unknown;
}

TEST(Input, HundredsOfDecimalZerosAreZeroNotOutOfRange)
{
    const std::string tiny = "0," + std::string(400, '0') + "1";
    const FileRun run = runOnFile({"--locale", "es_AR"},
                                  "{\"horasmedio\": true, \"numerohorasmed\": \"" + tiny + "\"}\n");
    EXPECT_EQ(run.finished.exitCode, 0);
    ASSERT_EQ(run.lines.size(), 1u);
    EXPECT_TRUE(isPayslip(run.lines[0])) << run.lines[0];
}
