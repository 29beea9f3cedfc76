// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <cstdint>

#include "platform/template_dialog.h"

class QLineEdit;

namespace zormade {

class MultiLineEdit;

// Asks a player whose clear entered the table for a name of at most 10 bytes of code page 932,
// which the name field's validator holds it to.
class RankInDialog : public TemplateDialog {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 138;
    static constexpr ControlId<MultiLineEdit> kPointsId{1027};
    static constexpr ControlId<QLineEdit> kRankId{1028};
    static constexpr ControlId<QLineEdit> kNameId{1029};
    static constexpr int kNameBytes = 10;

    RankInDialog(std::uint32_t points, int rank, QWidget* parent = nullptr);

    // The name as typed so far.
    QString Name() const;

private:
    void WidenNameField();
};

}  // namespace zormade
