#include "controls/KeyChartHtml.h"

#include "base/Messages.h"

namespace corvane::KeyCodeManager
{
namespace
{

// Plain rules every browser and Qt's rich text both follow; the table attributes repeat them for
// readers without style sheets.
constexpr std::string_view HEAD = "<!DOCTYPE html>\n"
                                  "<html lang=\"en\">\n"
                                  "<head>\n"
                                  "<meta charset=\"utf-8\">\n"
                                  "<style>\n"
                                  "body { font-family: sans-serif; font-size: 11pt; color: black; "
                                  "background: white; }\n"
                                  "table { border-collapse: collapse; width: 100%; }\n"
                                  "th, td { border: 1px solid black; padding: 3px 6px; "
                                  "text-align: left; vertical-align: top; }\n"
                                  "thead th { border-bottom: 2px solid black; }\n"
                                  "@page { margin: 15mm; }\n"
                                  "</style>\n";

constexpr std::string_view TABLE_OPEN =
    "<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\" width=\"100%\">\n";

// A clash is shown by a sign, as on the binding buttons; as an entity it survives any encoding.
constexpr std::string_view CLASH_SIGN = "&#9888; ";

void AddTag(std::string& html, std::string_view tag, std::string_view text,
            std::string_view attributes = {})
{
  html += '<';
  html += tag;
  html += attributes;
  html += '>';
  html += EscapeHtml(text);
  html += "</";
  html += tag;
  html += '>';
}

// A block of its own line, for a file a person may read.
void AddLine(std::string& html, std::string_view tag, std::string_view text,
             std::string_view attributes = {})
{
  AddTag(html, tag, text, attributes);
  html += '\n';
}

void AddCell(std::string& html, const ChartCell& cell, bool both_players)
{
  html += both_players ? "<td colspan=\"2\">" : "<td>";
  if (!cell.clashing.empty())
    html += CLASH_SIGN;
  html += EscapeHtml(CellText(cell));
  html += "</td>";
}

void AddTable(std::string& html, const std::vector<ChartRow>& rows)
{
  html += TABLE_OPEN;
  html += "<thead><tr>";
  AddTag(html, "th", Messages::CHART_INPUT, " scope=\"col\"");
  AddTag(html, "th", Messages::CHART_PLAYER_1, " scope=\"col\"");
  AddTag(html, "th", Messages::CHART_PLAYER_2, " scope=\"col\"");
  html += "</tr></thead>\n<tbody>\n";
  for (const ChartRow& row : rows)
  {
    html += "<tr>";
    AddTag(html, "th", row.input->caption, " scope=\"row\"");
    AddCell(html, row.player1, row.input->Shared());
    if (!row.input->Shared())
      AddCell(html, row.player2, false);
    html += "</tr>\n";
  }
  html += "</tbody>\n</table>\n";
}

void AddFamily(std::string& html, const ChartFamily& family, bool first)
{
  // Each family starts a printed page of its own.
  AddLine(html, "h2", family.title, first ? "" : " style=\"page-break-before: always\"");
  AddTable(html, family.rows);
  if (family.games.empty())
    return;
  AddLine(html, "h3", Messages::CHART_OWN_KEYS);
  for (const ChartGame& game : family.games)
  {
    AddLine(html, "h4", game.title + " (" + game.set_name + ")");
    AddTable(html, game.rows);
  }
}

} // namespace

std::string KeyChartHtml(const KeyChart& chart)
{
  std::string html(HEAD);
  AddLine(html, "title", Messages::KEY_CHART_CAPTION);
  html += "</head>\n<body>\n";
  AddLine(html, "h1", Messages::KEY_CHART_CAPTION);
  AddLine(html, "p", Messages::CHART_LEGEND);
  if (chart.unsaved)
    AddLine(html, "p", Messages::CHART_HOLDS_UNSAVED);
  for (size_t i = 0; i < chart.families.size(); ++i)
    AddFamily(html, chart.families[i], i == 0);
  html += "</body>\n</html>\n";
  return html;
}

std::string EscapeHtml(std::string_view text)
{
  std::string escaped;
  escaped.reserve(text.size());
  for (const char c : text)
  {
    switch (c)
    {
    case '&':
      escaped += "&amp;";
      break;
    case '<':
      escaped += "&lt;";
      break;
    case '>':
      escaped += "&gt;";
      break;
    case '"':
      escaped += "&quot;";
      break;
    default:
      escaped += c;
    }
  }
  return escaped;
}

} // namespace corvane::KeyCodeManager
