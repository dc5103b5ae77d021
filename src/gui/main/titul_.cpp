// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/main/titul_.h"

#include "core/about/licence.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSvgWidget>

namespace {
QFrame* separator(QWidget* parent) {
    auto* line = new QFrame(parent);
    line->setObjectName(QStringLiteral("Line1"));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

QLabel* label(const char* name, const QString& text, QWidget* parent) {
    auto* result = new QLabel(text, parent);
    result->setObjectName(QString::fromUtf8(name));
    return result;
}
} // namespace

TITUL_::TITUL_(QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("TITUL_"));
    setWindowTitle(QStringLiteral("О ПРОГРАММЕ"));

    auto* icon = new QSvgWidget(QStringLiteral(":/gui/main/abouticon.svg"), this);
    icon->setObjectName(QStringLiteral("picIcon"));
    icon->setFixedSize(31, 31);
    QLabel* title = label("lblTitle", QStringLiteral("Режимы резания"), this);
    QFont large = title->font();
    large.setPointSizeF(large.pointSizeF() * 1.5);
    large.setBold(true);
    title->setFont(large);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QGridLayout(this);
    layout->addWidget(icon, 0, 0, Qt::AlignTop);
    layout->addWidget(title, 0, 1);
    layout->addWidget(
        label("lblDescription", QStringLiteral("Программа по расчёту режимов резания."), this), 1,
        1);
    layout->addWidget(separator(this), 2, 0, 1, 2);
    layout->addWidget(label("lblVersion", QStringLiteral("Версия от 3 ДЕКАБРЯ, 2001 г."), this), 3,
                      1);
    layout->addWidget(label("lblRezhimVersion",
                            QStringLiteral("rezhim %1 (C++, Qt %2)")
                                .arg(QStringLiteral(REZHIM_VERSION), QString::fromUtf8(qVersion())),
                            this),
                      4, 1);
    layout->addWidget(
        label("lblLicence",
              QString::fromUtf8(licenceNotice.data(), static_cast<qsizetype>(licenceNotice.size()))
                  .trimmed(),
              this),
        5, 1);
    layout->addWidget(separator(this), 6, 0, 1, 2);
    layout->addWidget(ok, 7, 1, Qt::AlignRight);
    // Enter presses the default button; Esc rejects the dialog, so OK is its cancel button too.
}
