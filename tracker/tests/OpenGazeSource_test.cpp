#include "OpenGazeSource.h"

#include <gtest/gtest.h>

#include "FakeServers.h"

namespace qvtrack {
namespace {

using namespace std::chrono_literals;
using testing::FakeTcpServer;
using testing::WaitFor;

SourceConfig Config(int port) {
    SourceConfig c;
    c.kind = SourceKind::OpenGaze;
    c.host = "127.0.0.1";
    c.port = port;
    return c;
}

// Takes samples until `count` valid ones came or too many were asked for.
std::vector<GazeSample> TakeValid(GazeSource& source, std::size_t count) {
    std::vector<GazeSample> valid;
    for (int i = 0; i < 2000 && valid.size() < count; ++i) {
        GazeSample s{};
        source.next(s);
        if (s.found == 1) {
            valid.push_back(s);
        }
    }
    return valid;
}

TEST(OpenGazeSource, EnablesTheStreamTakesTheRateAndSurvivesBadRecords) {
    std::atomic<bool> done{false};
    std::atomic<bool> started{false};
    std::atomic<bool> firstTaken{false};
    std::vector<std::string> received;
    FakeTcpServer server([&](int fd, int) {
        received = FakeTcpServer::readLines(fd, 3, 5s);
        FakeTcpServer::sendText(fd, "<ACK ID=\"PRODUCT_ID\" VALUE=\"GP3\" RATE=\"150\" />\r\n");
        FakeTcpServer::sendText(fd, "<ACK ID=\"ENABLE_SEND_DATA\" STATE=\"1\" />\r\n");
        WaitFor([&] { return started.load(); }, 10s);
        FakeTcpServer::sendText(fd, "<REC FPOGX=\"0.5\" FPOGY=\"0.5\" FPOGV=\"1\" />\r\n");
        FakeTcpServer::sendText(fd, "<REC FPOGX=\"0.1\" FPOGY=\"0.1\" FPOGV=\"0\" />\r\n");
        FakeTcpServer::sendText(fd, "garbage \x01\x02 <REC\r\n");
        FakeTcpServer::sendText(fd, std::string(1024 * 1024, 'A') + "\r\n");  // a line of 1 MB
        WaitFor([&] { return firstTaken.load(); }, 10s);
        FakeTcpServer::sendText(fd, "<REC FPOGX=\"0.25\" FPOGY=\"0.75\" FPOGV=\"1\" />\r\n");
        WaitFor([&] { return done.load(); }, 10s);
    });
    TrackStats stats;
    OpenGazeSource source(Config(server.port()), {1024, 768}, stats, 5s);
    // 150 a second is more than the program takes: decimated to 120.
    EXPECT_EQ(source.samplesPerSecond(), 120);
    started = true;
    auto valid = TakeValid(source, 1);
    firstTaken = true;
    ASSERT_EQ(valid.size(), 1u);
    EXPECT_EQ(valid[0].x, 512);
    EXPECT_EQ(valid[0].y, 384);
    valid = TakeValid(source, 1);
    ASSERT_EQ(valid.size(), 1u);
    EXPECT_EQ(valid[0].x, 256);
    EXPECT_EQ(valid[0].y, 576);
    EXPECT_EQ(stats.received.load(), 3u);
    EXPECT_EQ(stats.validReceived.load(), 2u);
    EXPECT_EQ(stats.connected.load(), 1);
    ASSERT_EQ(received.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(received[i], std::string(OpenGazeSource::kStartRecords[i]) + "\r");
    }
    done = true;
}

TEST(OpenGazeSource, ReconnectsAfterADroppedConnection) {
    std::atomic<bool> done{false};
    FakeTcpServer server([&](int fd, int index) {
        FakeTcpServer::readLines(fd, 3, 5s);
        std::string x = index == 0 ? "0.1" : "0.2";
        FakeTcpServer::sendText(fd, "<REC FPOGX=\"" + x + "\" FPOGY=\"0\" FPOGV=\"1\" />\r\n");
        if (index > 0) {
            WaitFor([&] { return done.load(); }, 10s);
        }
        // index 0 returns: the connection drops
    });
    TrackStats stats;
    SourceConfig config = Config(server.port());
    config.rateGiven = true;
    config.rate = 100;
    OpenGazeSource source(config, {1000, 1000}, stats);
    EXPECT_EQ(source.samplesPerSecond(), 100);
    auto valid = TakeValid(source, 2);
    ASSERT_EQ(valid.size(), 2u);
    EXPECT_EQ(valid[0].x, 100);
    EXPECT_EQ(valid[1].x, 200);
    EXPECT_GE(server.accepted(), 2);
    done = true;
}

// A server that hangs keeps the connection and says nothing: after 3 s the source connects anew.
TEST(OpenGazeSource, ReconnectsToASilentServer) {
    std::atomic<bool> done{false};
    FakeTcpServer server([&](int fd, int index) {
        FakeTcpServer::readLines(fd, 3, 5s);
        std::string x = index == 0 ? "0.1" : "0.2";
        FakeTcpServer::sendText(fd, "<REC FPOGX=\"" + x + "\" FPOGY=\"0\" FPOGV=\"1\" />\r\n");
        if (index == 0) {
            FakeTcpServer::readLines(fd, 1000, 20s);  // silent until the source hangs up
        } else {
            WaitFor([&] { return done.load(); }, 20s);
        }
    });
    TrackStats stats;
    SourceConfig config = Config(server.port());
    config.rateGiven = true;
    config.rate = 100;
    ::testing::internal::CaptureStderr();
    OpenGazeSource source(config, {1000, 1000}, stats);
    auto valid = TakeValid(source, 2);
    const std::string err = ::testing::internal::GetCapturedStderr();
    done = true;
    ASSERT_EQ(valid.size(), 2u);
    EXPECT_EQ(valid[0].x, 100);
    EXPECT_EQ(valid[1].x, 200);
    EXPECT_EQ(server.accepted(), 2);
    EXPECT_NE(err.find("sent nothing for 3 s; reconnecting"), std::string::npos) << err;
}

// Without a rate in the server's answer QvInit waits for it; what the server sent meanwhile is
// history, and the program starts with the gaze of now.
TEST(OpenGazeSource, RecordsFromTheRateWaitAreDropped) {
    std::atomic<bool> done{false};
    std::atomic<bool> started{false};
    FakeTcpServer server([&](int fd, int) {
        FakeTcpServer::readLines(fd, 3, 5s);
        FakeTcpServer::sendText(fd, "<ACK ID=\"PRODUCT_ID\" VALUE=\"GP3\" />\r\n");
        for (int i = 0; i < 20; ++i)
            FakeTcpServer::sendText(fd, "<REC FPOGX=\"0.1\" FPOGY=\"0.1\" FPOGV=\"1\" />\r\n");
        WaitFor([&] { return started.load(); }, 10s);
        FakeTcpServer::sendText(fd, "<REC FPOGX=\"0.9\" FPOGY=\"0.5\" FPOGV=\"1\" />\r\n");
        WaitFor([&] { return done.load(); }, 10s);
    });
    TrackStats stats;
    OpenGazeSource source(Config(server.port()), {1000, 1000}, stats, 300ms);
    EXPECT_EQ(source.samplesPerSecond(), 60);
    ASSERT_TRUE(WaitFor([&] { return stats.received.load() >= 20; }, 5s));
    started = true;
    auto valid = TakeValid(source, 1);
    done = true;
    ASSERT_EQ(valid.size(), 1u);
    EXPECT_EQ(valid[0].x, 900);
    EXPECT_EQ(valid[0].y, 500);
}

TEST(OpenGazeSource, NoServerGivesNotFoundSamplesAtTheDefaultRate) {
    int port = 0;
    {
        FakeTcpServer closed([](int, int) {});
        port = closed.port();
    }  // nothing listens there any more
    TrackStats stats;
    OpenGazeSource source(Config(port), {1024, 768}, stats, 50ms);
    EXPECT_EQ(source.samplesPerSecond(), 60);
    for (int i = 0; i < 3; ++i) {
        GazeSample s{1, 5, 5};
        source.next(s);
        EXPECT_EQ(s.found, 0);
    }
    EXPECT_EQ(stats.connected.load(), 0);
}

TEST(OpenGazeSource, SilentServerRepeatsTheLastPositionAsNotFound) {
    std::atomic<bool> done{false};
    FakeTcpServer server([&](int fd, int) {
        FakeTcpServer::readLines(fd, 3, 5s);
        FakeTcpServer::sendText(fd, "<REC FPOGX=\"0.5\" FPOGY=\"0.5\" FPOGV=\"1\" />\r\n");
        WaitFor([&] { return done.load(); }, 10s);
    });
    TrackStats stats;
    SourceConfig config = Config(server.port());
    config.rateGiven = true;
    config.rate = 1000;
    OpenGazeSource source(config, {100, 100}, stats);
    ASSERT_EQ(TakeValid(source, 1).size(), 1u);
    GazeSample s{};
    source.next(s);
    EXPECT_EQ(s.found, 0);
    EXPECT_EQ(s.x, 50);
    EXPECT_EQ(s.y, 50);
    done = true;
}

}  // namespace
}  // namespace qvtrack
