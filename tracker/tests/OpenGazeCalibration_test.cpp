#include "OpenGazeCalibration.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <sstream>

#include "FakeServers.h"

namespace qvtrack {
namespace {

using namespace std::chrono_literals;
using testing::FakeTcpServer;

std::unique_ptr<OpenGazeConnection> Connect(int port) {
    std::string error;
    auto c = OpenGazeConnection::open("127.0.0.1", port, 2s, error);
    EXPECT_TRUE(c) << error;
    return c;
}

TEST(OpenGazeCalibration, RunsTheServersCalibrationAndReportsTheAverageError) {
    std::vector<std::string> requests;  // the main thread reads it only after sessionDone
    std::atomic<bool> sessionDone{false};
    FakeTcpServer server([&](int fd, int) {
        requests = FakeTcpServer::readLines(fd, 2, 5s);
        FakeTcpServer::sendText(fd, "<REC FPOGX=\"0.5\" FPOGY=\"0.5\" FPOGV=\"1\" />\r\n");  // data may still flow
        FakeTcpServer::sendText(fd, "<CAL ID=\"CALIB_RESULT_PT\" PT=\"1\" />\r\n");
        FakeTcpServer::sendText(fd, "<CAL ID=\"CALIB_RESULT\" CALX1=\"0.5\" />\r\n");
        auto more = FakeTcpServer::readLines(fd, 1, 5s);
        requests.insert(requests.end(), more.begin(), more.end());
        FakeTcpServer::sendText(fd,
                                "<ACK ID=\"CALIBRATE_RESULT_SUMMARY\" AVE_ERROR=\"18.5\" VALID_POINTS=\"5\" />\r\n");
        more = FakeTcpServer::readLines(fd, 1, 5s);
        requests.insert(requests.end(), more.begin(), more.end());
        sessionDone = true;
    });
    auto c = Connect(server.port());
    ASSERT_TRUE(c);
    std::ostringstream out;
    auto result = OpenGazeCalibration::run(*c, 10s, out);
    EXPECT_EQ(result.outcome, OpenGazeCalibration::Outcome::Done);
    EXPECT_EQ(out.str(), "Calibration average error: 18.5 (5 valid points)\n");
    c.reset();
    ASSERT_TRUE(testing::WaitFor([&] { return sessionDone.load(); }, 10s));
    ASSERT_EQ(requests.size(), 4u);
    EXPECT_EQ(requests[0], std::string(OpenGazeCalibration::kStartRecords[0]) + "\r");
    EXPECT_EQ(requests[1], std::string(OpenGazeCalibration::kStartRecords[1]) + "\r");
    EXPECT_EQ(requests[2], std::string(OpenGazeCalibration::kSummaryRequest) + "\r");
    EXPECT_EQ(requests[3], std::string(OpenGazeCalibration::kHideRecord) + "\r");
}

TEST(OpenGazeCalibration, GivesUpAtTheTimeLimitOrWhenTheServerGoes) {
    std::atomic<bool> done{false};
    FakeTcpServer silent([&](int, int) { testing::WaitFor([&] { return done.load(); }, 10s); });
    auto c = Connect(silent.port());
    ASSERT_TRUE(c);
    std::ostringstream out;
    EXPECT_EQ(OpenGazeCalibration::run(*c, 200ms, out).outcome, OpenGazeCalibration::Outcome::TimedOut);
    EXPECT_EQ(out.str().rfind("Calibration: no result within", 0), 0u);
    done = true;

    FakeTcpServer leaving([](int fd, int) { FakeTcpServer::readLines(fd, 2, 5s); });
    c = Connect(leaving.port());
    ASSERT_TRUE(c);
    std::ostringstream out2;
    EXPECT_EQ(OpenGazeCalibration::run(*c, 10s, out2).outcome, OpenGazeCalibration::Outcome::Lost);
}

TEST(CalibrateProgram, EndsAtOnceForOtherSources) {
    std::string command = std::string("QVTRACK_SOURCE=udp:7000 '") + CALIBRATE_PATH + "'";
    EXPECT_EQ(std::system(command.c_str()), 0);
    command = std::string("QVTRACK_SOURCE=pointer '") + CALIBRATE_PATH + "'";
    EXPECT_EQ(std::system(command.c_str()), 0);
}

TEST(CalibrateProgram, ReportsAnUnreachableServer) {
    int port = 0;
    {
        FakeTcpServer closed([](int, int) {});
        port = closed.port();
    }
    std::string command = "QVTRACK_SOURCE=opengaze:127.0.0.1:" + std::to_string(port) + " '" + CALIBRATE_PATH +
                          "' --timeout 2 > calibrate.out";
    int status = std::system(command.c_str());
    EXPECT_NE(status, 0);
}

}  // namespace
}  // namespace qvtrack
