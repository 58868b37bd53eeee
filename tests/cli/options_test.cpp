#include "cli/options.h"

#include <gtest/gtest.h>

#include "model/face.h"

namespace pelmoro {
namespace {

ParseResult Parse(std::vector<std::string> arguments) { return ParseArguments(arguments); }

int IndexOf(const char* name) {
  for (int i = 0; i < CFace::kParameterCount; ++i)
    if (std::string(CFace::DocumentParameterName(i)) == name) return i;
  return -1;
}

TEST(RenderOptions, ReadsEveryOption) {
  const ParseResult result =
      Parse({"face.plm", "-o", "out.JPEG", "--seed", "4294967295", "--save", "copy.plm", "--set", "faceSize=3",
             "--set=glasses=2", "--pose", "2,0,1", "--selection", "-5,10,100,120"});
  ASSERT_TRUE(result.ok()) << result.error;
  const RenderOptions& o = result.options;
  EXPECT_EQ(o.command, RenderCommand::Render);
  EXPECT_EQ(o.documentPath, "face.plm");
  EXPECT_EQ(o.outputPath, "out.JPEG");
  EXPECT_EQ(o.format, ImageFormat::Jpeg);
  EXPECT_EQ(o.seed, 4294967295u);
  EXPECT_EQ(o.savePath, "copy.plm");
  ASSERT_EQ(o.settings.size(), 2u);
  EXPECT_EQ(o.settings[0].index, IndexOf("faceSize"));
  EXPECT_EQ(o.settings[0].value, 3);
  EXPECT_EQ(o.settings[1].index, IndexOf("glasses"));
  EXPECT_EQ(o.settings[1].value, 2);
  EXPECT_EQ(std::vector<int>({o.eyePose, o.mouthPose, o.browPose}), std::vector<int>({2, 0, 1}));
  ASSERT_TRUE(o.selection.has_value());
  EXPECT_EQ(*o.selection, (Rect{-5, 10, 100, 120}));
}

TEST(RenderOptions, DefaultsToARandomFaceAtRest) {
  const ParseResult result = Parse({"--output=face.tif"});
  ASSERT_TRUE(result.ok()) << result.error;
  EXPECT_TRUE(result.options.documentPath.empty());
  EXPECT_EQ(result.options.format, ImageFormat::Tiff);
  EXPECT_FALSE(result.options.seed.has_value());
  EXPECT_TRUE(result.options.savePath.empty());
  EXPECT_TRUE(result.options.settings.empty());
  EXPECT_EQ(std::vector<int>({result.options.eyePose, result.options.mouthPose, result.options.browPose}),
            std::vector<int>({0, 1, 1}));
  EXPECT_FALSE(result.options.selection.has_value());
  EXPECT_FALSE(result.options.scale.has_value());
  EXPECT_FALSE(result.options.transparent);
}

TEST(RenderOptions, ReadsScaleTransparencyAndVectorFormats) {
  const ParseResult svg = Parse({"-o", "face.SVG", "--scale", "1.75", "--transparent"});
  ASSERT_TRUE(svg.ok()) << svg.error;
  EXPECT_EQ(svg.options.format, ImageFormat::Svg);
  EXPECT_EQ(svg.options.scale, 1.75);
  EXPECT_TRUE(svg.options.transparent);
  const ParseResult pdf = Parse({"--scale=16", "-o", "face.pdf"});
  ASSERT_TRUE(pdf.ok()) << pdf.error;
  EXPECT_EQ(pdf.options.format, ImageFormat::Pdf);
  EXPECT_EQ(pdf.options.scale, 16.0);
  EXPECT_FALSE(pdf.options.transparent);
}

TEST(RenderOptions, ReadsAnAnimationsLengthForGifAndWebp) {
  const ParseResult gif = Parse({"--animation", "600", "-o", "face.GIF", "--scale", "2", "--transparent"});
  ASSERT_TRUE(gif.ok()) << gif.error;
  EXPECT_EQ(gif.options.animationSeconds, 600);
  const ParseResult webp = Parse({"--animation=1", "-o", "-", "--format", "webp"});
  ASSERT_TRUE(webp.ok()) << webp.error;
  EXPECT_EQ(webp.options.animationSeconds, 1);
}

TEST(RenderOptions, TakesNamesStartingWithADashAfterTheEndOfOptions) {
  const ParseResult result = Parse({"-o", "out.png", "--", "-odd.plm"});
  ASSERT_TRUE(result.ok()) << result.error;
  EXPECT_EQ(result.options.documentPath, "-odd.plm");
}

TEST(RenderOptions, HelpAndVersionNeedNothingElse) {
  EXPECT_EQ(Parse({"--help"}).options.command, RenderCommand::Help);
  EXPECT_EQ(Parse({"face.plm", "-h"}).options.command, RenderCommand::Help);
  EXPECT_EQ(Parse({"--version"}).options.command, RenderCommand::Version);
  EXPECT_TRUE(Parse({"--version"}).ok());
}

struct BadCommandLine {
  std::vector<std::string> arguments;
  const char* expected;  // part of the message
};

TEST(RenderOptions, RejectsBadCommandLinesSayingWhy) {
  const BadCommandLine cases[] = {
      {{}, "-o PICTURE"},
      {{"face.plm"}, "-o PICTURE"},
      {{"-o", "face.heic"}, "picture format of \"face.heic\""},
      {{"-o", "face"}, "picture format"},
      {{"-o"}, "--output needs a value"},
      {{"-o", "a.png", "--seed"}, "--seed needs a value"},
      {{"-o", "a.png", "--colour=red"}, "unknown option \"--colour\""},
      {{"-o", "a.png", "-o", "b.png"}, "more than once"},
      {{"-o", ""}, "needs a file name"},
      {{"-o", "a.png", "--colour", "red"}, "unknown option \"--colour\""},
      {{"-o", "a.png", "-x"}, "unknown option \"-x\""},
      {{"-o", "a.png", "--help=1"}, "takes no value"},
      {{"-o", "a.png", "one.plm", "two.plm"}, "more than one face document"},
      {{"-o", "a.png", "--seed", "-1"}, "0 to 4294967295"},
      {{"-o", "a.png", "--seed", "4294967296"}, "0 to 4294967295"},
      {{"-o", "a.png", "--seed", "12abc"}, "0 to 4294967295"},
      {{"-o", "a.png", "--seed", "+5"}, "0 to 4294967295"},
      {{"-o", "a.png", "--seed", ""}, "0 to 4294967295"},
      {{"-o", "a.png", "--seed", "1", "--seed", "2"}, "more than once"},
      {{"-o", "a.png", "--set", "faceSize=12"}, "faceSize must be a number from 0 to 11"},
      {{"-o", "a.png", "--set", "glasses=5"}, "glasses must be a number from 0 to 4"},
      {{"-o", "a.png", "--set", "faceType=-1"}, "faceType must be a number from 0 to 1"},
      {{"-o", "a.png", "--set", "faceSize="}, "faceSize must be a number"},
      {{"-o", "a.png", "--set", "faceSize"}, "not NAME=VALUE"},
      {{"-o", "a.png", "--set", "nose=3"}, "unknown face parameter \"nose\""},
      {{"-o", "a.png", "--set", "formatVersion=3"}, "unknown face parameter"},
      {{"-o", "a.png", "--pose", "0,1"}, "EYE,MOUTH,BROW"},
      {{"-o", "a.png", "--pose", "0,1,3"}, "EYE,MOUTH,BROW"},
      {{"-o", "a.png", "--pose", "0,1,1,1"}, "EYE,MOUTH,BROW"},
      {{"-o", "a.png", "--pose", "0,,1"}, "EYE,MOUTH,BROW"},
      {{"-o", "a.png", "--pose", "0,1,1", "--pose", "0,1,1"}, "--pose given more than once"},
      {{"-o", "a.png", "--selection", "1,2,3"}, "LEFT,TOP,RIGHT,BOTTOM"},
      {{"-o", "a.png", "--selection", "1,2,3,4,5"}, "LEFT,TOP,RIGHT,BOTTOM"},
      {{"-o", "a.png", "--selection", "0,0,2147483648,10"}, "LEFT,TOP,RIGHT,BOTTOM"},
      {{"-o", "a.png", "--selection", "10,10,12,50"}, "no pixel inside its frame"},
      {{"-o", "a.png", "--selection", "50,50,10,10"}, "no pixel inside its frame"},
      {{"-o", "a.png", "--scale", "0.2"}, "--scale \"0.2\" is not a number from 0.25 to 16"},
      {{"-o", "a.png", "--scale", "16.01"}, "from 0.25 to 16"},
      {{"-o", "a.png", "--scale", "2x"}, "from 0.25 to 16"},
      {{"-o", "a.png", "--scale", "nan"}, "from 0.25 to 16"},
      {{"-o", "a.png", "--scale", "1e1"}, "from 0.25 to 16"},
      {{"-o", "a.png", "--scale", ""}, "from 0.25 to 16"},
      {{"-o", "a.png", "--transparent=1"}, "takes no value"},
      {{"-o", "a.jpg", "--transparent"}, "--transparent: JPEG files cannot have a transparent background"},
      {{"--transparent", "-o", "a.bmp", "--scale", "2"}, "BMP files cannot have a transparent background"},
      {{"-o", "a.gif", "--animation", "0"}, "--animation \"0\" is not a whole number of seconds from 1 to 600"},
      {{"-o", "a.gif", "--animation", "601"}, "from 1 to 600"},
      {{"-o", "a.gif", "--animation", "2.5"}, "from 1 to 600"},
      {{"-o", "a.png", "--animation", "10"}, "--animation writes a GIF or WebP file"},
      {{"-o", "a.svg", "--animation", "10"}, "--animation writes a GIF or WebP file"},
      {{"-o", "a.webp", "--animation", "10", "--pose", "0,1,1"}, "--pose and --animation cannot be given together"},
  };
  for (const BadCommandLine& c : cases) {
    const ParseResult result = ParseArguments(c.arguments);
    std::string shown;
    for (const std::string& a : c.arguments) shown += "[" + a + "]";
    EXPECT_FALSE(result.ok()) << shown;
    EXPECT_NE(result.error.find(c.expected), std::string::npos) << shown << " gave: " << result.error;
  }
}

TEST(RenderOptions, AcceptsTheEdgesOfEveryRange) {
  const ParseResult result = Parse({"-o", "a.gif", "--seed", "0", "--set", "faceSize=11", "--set", "faceSize=0",
                                    "--pose", "0,0,2", "--selection", "-2147483648,0,2147483647,3"});
  ASSERT_TRUE(result.ok()) << result.error;
  EXPECT_EQ(result.options.seed, 0u);
  EXPECT_EQ(result.options.settings.size(), 2u);
  EXPECT_EQ(result.options.selection->left, INT32_MIN);
}

}  // namespace
}  // namespace pelmoro
