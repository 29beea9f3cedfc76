// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ranking_dialog.h"

#include "platform/multi_line_edit.h"

namespace zormade {
namespace {

// Names are kept at any length, but no name control shows more characters than this, even
// in its narrowest letters.
constexpr std::size_t kShownNameCharacters = 48;

QString ShownName(const std::string& name) {
    std::size_t end = 0;
    for (std::size_t characters = 0; end < name.size() && characters < kShownNameCharacters;
         ++characters) {
        ++end;
        while (end < name.size() && (static_cast<unsigned char>(name[end]) & 0xC0) == 0x80) ++end;
    }
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(end));
}

}  // namespace

RankingDialog::RankingDialog(const RankingTable& ranking, QWidget* parent)
    : TemplateDialog(kTemplateId, parent) {
    if (!IsBuilt()) return;
    for (std::size_t i = 0; i < kPointsIds.size(); ++i) {
        Control(kPointsIds[i]).SetText(QString::number(ranking.points[i]));
        Control(kNameIds[i]).SetText(ShownName(ranking.names[i]));
    }
}

}  // namespace zormade
