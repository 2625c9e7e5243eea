#include "render_table.h"

#include <QCommandLineParser>
#include <QLayout>
#include <QRegularExpression>

#include "datafiles/config_field.h"
#include "display/geometry/card_size.h"
#include "engine/deal_generator.h"
#include "game_controller.h"
#include "main_window.h"

namespace kes {

namespace {

constexpr int kLastBackgroundPicture = 1000;

bool readBackground(const QString& text, RenderRequest& r) {
  if (text == QStringLiteral("default")) return true;
  bool number = false;
  const int picture = text.toInt(&number);
  if (number) {
    r.backgroundPicture = picture;
    return picture >= 1 && picture <= kLastBackgroundPicture;
  }
  const auto colour = QRegularExpression("^(#[0-9a-fA-F]{6})(-fade)?$").match(text);
  if (!colour.hasMatch()) return false;
  r.colour = QColor(colour.captured(1));
  r.fade = colour.hasCaptured(2);
  return true;
}

// The background preferences that show the asked-for background.
void putBackground(ConfigRecord& config, const RenderRequest& r) {
  const bool plainDefault = r.backgroundPicture == 0 && !r.colour;
  config.put(Field::UseDefaultBackground, plainDefault ? "Y" : "N");
  config.put(Field::CustomBackgroundSet, "N");
  config.put(Field::BackgroundBitmap, std::to_string(r.backgroundPicture));
  const int bgr = r.colour ? (r.colour->blue() << 16) | (r.colour->green() << 8) | r.colour->red() : 0;
  config.put(Field::BackgroundFixedColour, std::to_string(bgr));
  config.put(Field::FadeBackground, r.fade ? "Y" : "N");
}

}  // namespace

std::optional<RenderRequest> renderRequestFrom(const QStringList& arguments, QString& error) {
  QCommandLineParser parser;
  const QCommandLineOption render("render", "Game to draw.", "GAME");
  const QCommandLineOption number("number", "Deal number.", "N", "1");
  const QCommandLineOption size("size", "Table size.", "WIDTHxHEIGHT", "800x600");
  const QCommandLineOption cards("cards", "Card size.", "B|M|L", "B");
  const QCommandLineOption background("background", "Table background.", "default|N|#RRGGBB|#RRGGBB-fade", "default");
  const QCommandLineOption out("out", "Picture file.", "FILE.png");
  parser.addOptions({render, number, size, cards, background, out});
  parser.parse(arguments);
  if (!parser.isSet(render)) return std::nullopt;
  RenderRequest r;
  bool ok = false;
  r.game = parser.value(render).toInt(&ok);
  const auto deal = normalizeDealNumber(parser.value(number).toStdString());
  const auto match = QRegularExpression("^(\\d{1,5})x(\\d{1,5})$").match(parser.value(size));
  const auto card = cardSizeFromCode(parser.value(cards).toStdString());
  if (!ok || !deal || !match.hasMatch() || !card || !parser.isSet(out) || !readBackground(parser.value(background), r)) {
    error = "usage: kestrova --render GAME --number N --size WIDTHxHEIGHT --cards B|M|L"
            " [--background default|N|#RRGGBB|#RRGGBB-fade] --out FILE.png";
    return RenderRequest{};
  }
  r.dealNumber = *deal;
  r.width = match.captured(1).toInt();
  r.height = match.captured(2).toInt();
  r.cards = card->code;
  r.out = parser.value(out);
  return r;
}

namespace {

// The window's layout gives the table what the panels leave of the window,
// so the window grows around the wanted table by the panels' share. Shown
// only to the offscreen surface, so that its layout runs.
void sizeTable(QMainWindow& window, QWidget& table, const QSize& wanted) {
  window.setAttribute(Qt::WA_DontShowOnScreen);
  window.show();
  const QSize panels = window.size() - table.size();
  window.resize(wanted + panels);
  window.layout()->activate();
  if (table.size() != wanted) table.resize(wanted);
}

}  // namespace

int renderTable(const RenderRequest& r, const DataDirs& dirs, QString& error) {
  if (r.out.isEmpty()) return 2;
  TfrmMain window;
  GameController controller(window, dirs);
  if (!controller.ready()) {
    error = controller.error();
    return 2;
  }
  controller.session().state().prefs.autoplay = false;
  // A still picture shows the table as dealt, not a deal in flight.
  controller.table().animation.dealAnimation = false;
  putBackground(controller.config(), r);
  controller.table().backgroundChanged();
  sizeTable(window, controller.table(), QSize(r.width, r.height));
  controller.setCardSize(*cardSizeFromCode(std::string(1, r.cards)));
  if (!controller.startGame(r.game, r.dealNumber)) {
    error = QStringLiteral("there is no game %1 in the catalogue").arg(r.game);
    return 2;
  }
  if (!controller.table().grab().save(r.out)) {
    error = "cannot write " + r.out;
    return 1;
  }
  return 0;
}

}  // namespace kes
