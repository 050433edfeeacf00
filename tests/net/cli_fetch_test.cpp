#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "raw_server.h"

namespace quvolo {
namespace {

using testing::RawServer;
using testing::RefusingPort;
using testing::with_port;
using namespace std::string_literals;

struct CliRun {
    int exit_code = -1;
    std::string out;
    std::string err;
};

std::string quoted(const std::string& arg) {
    std::string result = "'";
    for (char c : arg) {
        result += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return result + "'";
}

std::string read_file(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream content;
    content << file.rdbuf();
    return content.str();
}

CliRun run_cli(const std::vector<std::string>& args) {
    std::filesystem::path dir = ::testing::TempDir();
    // ctest runs tests side by side, each in its own process.
    std::string stem = "quvolo-cli-" + std::to_string(getpid());
    std::filesystem::path out = dir / (stem + ".out");
    std::filesystem::path err = dir / (stem + ".err");
    std::string command = quoted(QUVOLO_CLI_PATH);
    for (const std::string& arg : args) {
        command += " " + quoted(arg);
    }
    command += " >" + quoted(out.string()) + " 2>" + quoted(err.string()) + " </dev/null";
    int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, read_file(out), read_file(err)};
}

TEST(CliFetch, SendsTheRequestAndWritesTheRawBody) {
    RawServer server("HTTP/1.1 200 OK\r\nX-Tag: t\r\nContent-Length: 8\r\n\r\nok\0bytes"s);
    CliRun run = run_cli({"fetch", "--method", "post", "--header", "X-Token: 7", "--data", "a=1",
                          "--raw-headers", server.url("/cli?x=1")});
    EXPECT_EQ(run.exit_code, 0);
    EXPECT_EQ(run.out, "ok\0bytes"s);
    EXPECT_EQ(run.err, "HTTP/1.1 200 OK\r\nX-Tag: t\r\nContent-Length: 8\r\n\r\n");
    EXPECT_EQ(server.request(),
              with_port("post /cli?x=1 HTTP/1.1\r\n"
                        "Host: 127.0.0.1:{port}\r\n"
                        "User-Agent: Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)\r\n"
                        "X-Token: 7\r\n"
                        "Accept: image/gif, image/x-xbitmap, image/jpeg, image/pjpeg, "
                        "application/x-shockwave-flash, application/vnd.ms-excel, "
                        "application/vnd.ms-powerpoint, application/msword, */*\r\n"
                        "Referer: http://127.0.0.1:{port}/cli?x=1\r\n"
                        "Accept-Language: zh-cn\r\n"
                        "Content-Type: application/x-www-form-urlencoded\r\n"
                        "Content-Length: 3\r\n\r\na=1",
                        server.port()));
}

TEST(CliFetch, FailedRequestWritesNothingAndSucceeds) {
    RefusingPort refusing;
    CliRun run = run_cli({"fetch", with_port("http://127.0.0.1:{port}/", refusing.port())});
    EXPECT_EQ(run.exit_code, 0);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "");
}

class CliUsageError : public ::testing::TestWithParam<std::vector<std::string>> {};

TEST_P(CliUsageError, ExitsWithTwoAndUsageOnStderr) {
    CliRun run = run_cli(GetParam());
    EXPECT_EQ(run.exit_code, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("usage: quvolo-cli"), std::string::npos) << run.err;
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, CliUsageError,
    ::testing::Values(std::vector<std::string>{}, std::vector<std::string>{"frobnicate"},
                      std::vector<std::string>{"--verbose", "fetch", "http://127.0.0.1:1/"},
                      std::vector<std::string>{"fetch"},
                      std::vector<std::string>{"fetch", "http://127.0.0.1:1/", "--method"},
                      std::vector<std::string>{"fetch", "--bogus", "http://127.0.0.1:1/"},
                      std::vector<std::string>{"fetch", "http://127.0.0.1:1/a",
                                               "http://127.0.0.1:1/b"}));

TEST(CliFetch, HelpGoesToStdout) {
    CliRun run = run_cli({"fetch", "--help"});
    EXPECT_EQ(run.exit_code, 0);
    EXPECT_NE(run.out.find("--raw-headers"), std::string::npos) << run.out;
}

}  // namespace
}  // namespace quvolo
