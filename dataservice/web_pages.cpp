#include "web_pages.h"

#include "core/html_escape.h"
#include "core/maker.h"
#include "core/text_util.h"

namespace zak::dataservice {
namespace {

constexpr std::string_view kHtml = "text/html; charset=utf-8";

Bytes Share(std::string bytes) { return std::make_shared<const std::string>(std::move(bytes)); }

std::string Page(std::string_view title, const std::string& body) {
  return "<!DOCTYPE html>\n<html lang=\"de\"><head><meta charset=\"utf-8\"><title>" +
         std::string(title) +
         "</title>\n<style>body{font-family:Arial,sans-serif;max-width:40em;margin:1em auto;"
         "padding:0 1em;}h1{background:#000;color:#fff;padding:.3em .5em;}</style></head>\n"
         "<body><p><img src=\"/zak/img/zak_logo.png\" alt=\"ZAK - Die Zakliste\"></p>\n" +
         body + "</body></html>\n";
}

// The history's lines, CR LF or LF, as a list; a line starting with "v" heads a version.
std::string HistoryHtml(std::string_view history) {
  std::string out;
  bool open = false;
  for (const std::string& raw : Split(history, "\n")) {
    const std::string_view line = Trim(raw);
    if (line.empty()) continue;
    if (line.front() == '-') {
      if (!open) out += "<ul>\n";
      open = true;
      out += "<li>" + HtmlEscape(Trim(line.substr(1))) + "</li>\n";
      continue;
    }
    if (open) out += "</ul>\n";
    open = false;
    out += "<h3>" + HtmlEscape(line) + "</h3>\n";
  }
  return open ? out + "</ul>\n" : out;
}

std::string HomePage(const ServiceOptions& options) {
  const std::string download = HtmlEscape(options.downloadAddress);
  return Page(
      "ZAK - Die Zakliste",
      "<h1>ZAK 14/15 - Die Zakliste</h1>\n"
      "<p>ZAK verfolgt die deutschen Fußball-Ligen der Saison 2014/15: 1. und 2. Bundesliga, "
      "3. Liga und die fünf Regionalligen. Zu jedem Spieltag zeigt es Begegnungen, Ergebnisse "
      "und die Tabelle mit Trendpfeilen und Punktabzügen; Ergebnisse lassen sich selbst "
      "eintragen. Tabelle und Spieltag gibt es auch als HTML für die eigene Vereinsseite.</p>\n"
      "<h2>Neueste Version</h2>\n<p>Version " +
          HtmlEscape(options.latestVersion) + ": <a href=\"" + download + "\">" + download +
          "</a></p>\n<h2>Versionsgeschichte</h2>\n" + HistoryHtml(options.history) +
          "<p><a href=\"/zak/?s=report\">Fehler melden...</a></p>\n");
}

std::string ReportPage() {
  const std::string contact = HtmlEscape(kContactAddress);
  return Page("ZAK - Fehler melden",
              "<h1>Fehler melden</h1>\n"
              "<p>Ist Ihnen in ZAK 14/15 ein Fehler aufgefallen? Schreiben Sie uns eine E-Mail an "
              "<a href=\"mailto:" +
                  contact + "\">" + contact +
                  "</a>.</p>\n"
                  "<p>Hilfreich sind: die Programmversion (im Info-Fenster), die Liga und der "
                  "Spieltag, was Sie getan haben, was Sie erwartet haben und was stattdessen "
                  "geschah. Eine falsche Tabelle oder ein falsches Ergebnis melden Sie bitte mit "
                  "dem richtigen Ergebnis und einer Quelle.</p>\n"
                  "<p><a href=\"/zak/\">Zur Startseite</a></p>\n");
}

}  // namespace

WebAnswers MakeWebAnswers(const ServiceOptions& options, std::span<const WebPicture> pictures) {
  const auto make = [](std::string_view type, std::string bytes) {
    return std::make_shared<const PreparedAnswer>(200, type, Share(std::move(bytes)));
  };
  WebAnswers web{{make(kHtml, HomePage(options))}, {make(kHtml, ReportPage())}, {}};
  for (const WebPicture& picture : pictures) {
    web.pictures.emplace(std::string(picture.path),
                         WebAnswer{make(picture.contentType, std::string(picture.bytes)), true});
  }
  return web;
}

const WebAnswer* FindWebAnswer(const WebAnswers& web, std::string_view path,
                               std::string_view query) {
  if (path == "/zak/") {
    for (const std::string& pair : Split(query, "&")) {
      if (pair == "s=report") return &web.report;
    }
    return &web.home;
  }
  const auto found = web.pictures.find(path);
  return found == web.pictures.end() ? nullptr : &found->second;
}

}  // namespace zak::dataservice
