#include "OpenGazeRecord.h"

#include <gtest/gtest.h>

#include <string>

namespace qvtrack {
namespace {

TEST(OpenGazeRecord, ParsesAttributesOfOneElement) {
    OpenGazeRecord r;
    ASSERT_TRUE(r.parse(R"(<REC FPOGX="0.5" FPOGY="0.25" FPOGV="1" />)"));
    EXPECT_EQ(r.tag(), "REC");
    EXPECT_EQ(r.attributeCount(), 3u);
    EXPECT_EQ(r.attribute("FPOGY"), "0.25");
    EXPECT_FALSE(r.attribute("BPOGX"));
    ASSERT_TRUE(r.parse(R"(  <ACK ID="ENABLE_SEND_DATA" STATE="1"/>)"));
    EXPECT_EQ(r.attribute("STATE"), "1");
    ASSERT_TRUE(r.parse("<REC />"));
    EXPECT_EQ(r.attributeCount(), 0u);
    ASSERT_TRUE(r.parse(R"(<CAL ID="X" VALUE="a b/>c" />)"));  // any text inside quotes
    EXPECT_EQ(r.attribute("VALUE"), "a b/>c");
}

TEST(OpenGazeRecord, RefusesAnythingElse) {
    const char* bad[] = {
        "",
        "REC FPOGX=\"1\" />",
        "<REC FPOGX=\"1\" >",
        "<REC FPOGX=\"1\"",
        "<REC FPOGX=\"1 />",
        "<REC FPOGX=1 />",
        "<REC FPOGX=\"1\"FPOGY=\"2\" />",
        "< REC />",
        "<REC =\"1\" />",
        "<REC/> trailing",
        "<REC FPOGX=\"1\" /><REC />",
        "\x01\x02\xff",
    };
    OpenGazeRecord r;
    for (const char* line : bad) {
        EXPECT_FALSE(r.parse(line)) << line;
        EXPECT_EQ(r.attributeCount(), 0u);
    }
    std::string many = "<REC";
    for (std::size_t i = 0; i <= OpenGazeRecord::kMaxAttributes; ++i) {
        many += " A" + std::to_string(i) + "=\"1\"";
    }
    EXPECT_FALSE(r.parse(many + " />"));
}

struct SampleCase {
    const char* line;
    int found;
    int x;
    int y;
};

TEST(OpenGazeRecord, RecordsToSamples) {
    const SampleCase cases[] = {
        {R"(<REC FPOGX="0.5" FPOGY="0.25" FPOGV="1" />)", 1, 512, 192},
        {R"(<REC FPOGX="0.5" FPOGY="0.25" FPOGV="0" />)", 0, 512, 192},
        {R"(<REC FPOGX="-0.1" FPOGY="1.1" FPOGV="1" />)", 1, -102, 845},
        {R"(<REC FPOGX="0.5" FPOGY="0.25" />)", 0, 512, 192},          // no validity: not found
        {R"(<REC FPOGX="abc" FPOGY="0.25" FPOGV="1" />)", 0, -1, -1},  // position unusable: kept
        {R"(<REC FPOGX="nan" FPOGY="0.25" FPOGV="1" />)", 0, -1, -1},
        {R"(<REC FPOGX="1e300" FPOGY="0.25" FPOGV="1" />)", 0, -1, -1},
        {R"(<REC FPOGV="1" />)", 0, -1, -1},
        {R"(<REC FPOGX="0.5" FPOGY="0.5" FPOGV="2" />)", 0, 512, 384},
    };
    for (const auto& c : cases) {
        OpenGazeRecord r;
        ASSERT_TRUE(r.parse(c.line)) << c.line;
        GazeSample s{7, -1, -1};
        ASSERT_TRUE(r.toSample(1024, 768, s));
        EXPECT_EQ(s.found, c.found) << c.line;
        EXPECT_EQ(s.x, c.x) << c.line;
        EXPECT_EQ(s.y, c.y) << c.line;
    }
    OpenGazeRecord ack;
    ASSERT_TRUE(ack.parse(R"(<ACK ID="ENABLE_SEND_DATA" STATE="1" />)"));
    GazeSample s{};
    EXPECT_FALSE(ack.toSample(1024, 768, s));
}

}  // namespace
}  // namespace qvtrack
