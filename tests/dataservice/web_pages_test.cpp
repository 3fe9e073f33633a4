// The maker's web pages and pictures as the service answers them.
#include <gtest/gtest.h>

#include "answers.h"

namespace zak::dataservice {
namespace {

class WebPages : public testing::Test {
 protected:
  WebPages() {
    options_.latestVersion = "2.0.9.3";
    options_.history = "v2.0.9.3 (01.06.2015)\r\n- Tabelle & <Spieltag>\r\n\r\nv2.0.9.2\r\n- ä";
    options_.downloadAddress = "http://zak.example/dl?v=2&x=\"";
    fixed_ = MakeFixedAnswers(options_, WebPictures());
  }
  Reply Ask(std::string_view target) { return AnswerRequest(fixed_, leagues_, target, ""); }
  std::string Page(std::string_view target) {
    const Reply reply = Ask(target);
    EXPECT_EQ(reply.status, 200u) << target;
    EXPECT_EQ(reply.contentType, "text/html; charset=utf-8") << target;
    return reply.body ? *reply.body : "";
  }

  ServiceOptions options_;
  FixedAnswers fixed_;
  LeagueSnapshot leagues_{};
};

TEST_F(WebPages, HomePageShowsVersionDownloadAndEscapedHistory) {
  const std::string page = Page("/zak/");
  EXPECT_NE(page.find("Version 2.0.9.3"), std::string::npos);
  EXPECT_NE(page.find("href=\"http://zak.example/dl?v=2&amp;x=&quot;\""), std::string::npos);
  EXPECT_NE(page.find("<h3>v2.0.9.3 (01.06.2015)</h3>\n<ul>\n<li>Tabelle &amp; &lt;Spieltag&gt;"
                      "</li>\n</ul>\n<h3>v2.0.9.2</h3>\n<ul>\n<li>ä</li>\n</ul>"),
            std::string::npos)
      << page;
  EXPECT_NE(page.find("href=\"/zak/?s=report\""), std::string::npos);
  EXPECT_NE(page.find("src=\"/zak/img/zak_logo.png\""), std::string::npos);
  EXPECT_EQ(page.find("Seite nicht gefunden"), std::string::npos);
}

TEST_F(WebPages, ReportPageNamesTheContactAddress) {
  for (const char* target : {"/zak/?s=report", "/zak/?x=1&s=report"}) {
    const std::string page = Page(target);
    EXPECT_NE(page.find("<h1>Fehler melden</h1>"), std::string::npos) << target;
    EXPECT_NE(page.find("mailto:" ZAK_CONTACT_ADDRESS), std::string::npos) << target;
  }
  EXPECT_EQ(Page("/zak/?s=other").find("Fehler melden</h1>"), std::string::npos);
}

struct PictureCase {
  const char* target;
  unsigned status;
  const char* contentType;
  const char* magic;
};

class WebPictureAnswers : public WebPages, public testing::WithParamInterface<PictureCase> {};

TEST_P(WebPictureAnswers, ServedWithTheirContentType) {
  const Reply reply = Ask(GetParam().target);
  EXPECT_EQ(reply.status, GetParam().status);
  EXPECT_EQ(reply.contentType, GetParam().contentType);
  ASSERT_TRUE(reply.body);
  EXPECT_TRUE(reply.body->starts_with(GetParam().magic));
}

INSTANTIATE_TEST_SUITE_P(
    Targets, WebPictureAnswers,
    testing::Values(PictureCase{"/zak/i/t/a/222.gif", 200, "image/gif", "GIF89a"},
                    PictureCase{"/zak/i/t/a/13247.gif", 200, "image/gif", "GIF89a"},
                    PictureCase{"/zak/i/n.gif", 200, "image/gif", "GIF89a"},
                    PictureCase{"/zak/i/p.gif", 200, "image/gif", "GIF89a"},
                    PictureCase{"/zak/i/m.gif", 200, "image/gif", "GIF89a"},
                    PictureCase{"/zak/img/zak_logo.png", 200, "image/png", "\x89PNG"},
                    PictureCase{"/zak/i/t/a/0.gif", 404, "text/html; charset=utf-8", "<!DOCTYPE"},
                    PictureCase{"/zak/i/t/a/222.png", 404, "text/html; charset=utf-8", "<!DOCTYPE"},
                    PictureCase{"/zak/i/x.gif", 404, "text/html; charset=utf-8", "<!DOCTYPE"},
                    PictureCase{"/zak", 404, "text/html; charset=utf-8", "<!DOCTYPE"}),
    [](const auto& info) {
      std::string name;
      for (const char c : std::string(info.param.target)) {
        if (std::isalnum(static_cast<unsigned char>(c))) name += c;
      }
      return name;
    });

}  // namespace
}  // namespace zak::dataservice
