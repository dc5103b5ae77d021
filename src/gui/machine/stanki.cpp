// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/machine/stanki.h"

#include "core/calc/numberformat.h"
#include "core/calc/parsenumber.h"
#include "gui/common/userdialogs.h"
#include "gui/machine/machinecatalog.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace {

QLineEdit* field(const char* name, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromUtf8(name));
    return edit;
}

// The preferred-number series of GOST 8032 with their ratios, R10 (φ = 1,26) chosen: the ratio
// most gearboxes and feed boxes of general-purpose machines follow.
QComboBox* seriesChoice(const char* name, char decimalSeparator, QWidget* parent) {
    auto* choice = new QComboBox(parent);
    choice->setObjectName(QString::fromUtf8(name));
    for (const SpeedSeries& series : speedSeries) {
        choice->addItem(QStringLiteral("%1 φ = %2")
                            .arg(QString::fromUtf8(series.name),
                                 QString::fromUtf8(series.ratio)
                                     .replace(QLatin1Char(','), QChar(decimalSeparator))));
    }
    choice->setCurrentIndex(1);
    return choice;
}

// A line of widgets, the first stretched: "from … to … unit", "series … fill".
QHBoxLayout* row(std::initializer_list<QWidget*> widgets) {
    auto* line = new QHBoxLayout;
    for (QWidget* widget : widgets) {
        line->addWidget(widget, widget == *widgets.begin() ? 1 : 0);
    }
    return line;
}

} // namespace

STANKI::STANKI(MachineCatalog& catalog, UserDialogs& dialogs, QWidget* parent)
    : LibraryEditor(dialogs, QStringLiteral("STANKI"), QStringLiteral("Станки"), parent)
    , catalog_(catalog) {
    build();
    connect(speeds_, &QLineEdit::textChanged, this, &STANKI::showRangeOfList);
    connect(generate_, &QPushButton::clicked, this, &STANKI::generateSpeeds);
    connect(generateFeeds_, &QPushButton::clicked, this, &STANKI::generateFeeds);
    connect(&catalog_, &MachineCatalog::changed, this, &STANKI::listEntries);
}

// Created in the order Tab walks them.
void STANKI::createFields() {
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("MachineList"));
    list_->setMinimumWidth(180);
    name_ = field("MachineName", this);
    power_ = field("MachinePower", this);
    efficiency_ = field("MachineEfficiency", this);
    speeds_ = field("MachineSpeeds", this);
    // Wide enough for the 18 speeds of a usual gearbox to be read at once.
    speeds_->setMinimumWidth(speeds_->fontMetrics().horizontalAdvance(
        QStringLiteral("31,5; 40; 50; 63; 80; 100; 125; 160; 200; 250; 315; 400; 500; 630; "
                       "800; 1000; 1250; 1600") +
        QStringLiteral("00")));
    speeds_->setToolTip(QStringLiteral("Все частоты вращения шпинделя из паспорта станка"));
    speedMin_ = field("MachineSpeedMin", this);
    speedMax_ = field("MachineSpeedMax", this);
    for (QLineEdit* end : {speedMin_, speedMax_}) {
        // Greyed while the list is filled: they then only show its ends and are not saved.
        end->setToolTip(QStringLiteral("Бесступенчатое регулирование: диапазон берётся, "
                                       "когда список частот пуст"));
    }
    ratio_ = seriesChoice("MachineRatio", decimalSeparator_, this);
    generate_ = button("MachineGenerate", QStringLiteral("ЗАПОЛНИТЬ СПИСОК"));
    generate_->setToolTip(QStringLiteral("Частоты ряда от наименьшей до наибольшей; затем "
                                         "исправьте список по паспорту станка"));
    torque_ = field("MachineTorque", this);
    force_ = field("MachineForce", this);
    feeds_ = field("MachineFeeds", this);
    feeds_->setToolTip(QStringLiteral("Все подачи из паспорта станка; пусто — подача не "
                                      "проверяется и не подбирается"));
    feedUnit_ = new QComboBox(this);
    feedUnit_->setObjectName(QStringLiteral("MachineFeedUnit"));
    for (const std::string_view caption : feedUnitCaptions) {
        feedUnit_->addItem(
            QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size())));
    }
    feedUnit_->setToolTip(
        QStringLiteral("Фрезерный станок — мм/мин, токарный и сверлильный — мм/об"));
    feedMin_ = field("MachineFeedMin", this);
    feedMax_ = field("MachineFeedMax", this);
    feedRatio_ = seriesChoice("MachineFeedRatio", decimalSeparator_, this);
    generateFeeds_ = button("MachineGenerateFeeds", QStringLiteral("ЗАПОЛНИТЬ СПИСОК"));
    generateFeeds_->setToolTip(QStringLiteral("Подачи ряда от наименьшей до наибольшей; затем "
                                              "исправьте список по паспорту станка"));
}

void STANKI::createButtons() {
    add_ = button("MachineAdd", QStringLiteral("ДОБАВИТЬ"));
    save_ = button("MachineSave", QStringLiteral("СОХРАНИТЬ"));
    delete_ = button("MachineDelete", QStringLiteral("УДАЛИТЬ"));
    close_ = button("MachineClose", QStringLiteral("ЗАКРЫТЬ"));
}

void STANKI::layOut() {
    const auto label = [this](const char* text) {
        return new QLabel(QString::fromUtf8(text), this);
    };
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Имя станка"), name_);
    form->addRow(QStringLiteral("Мощность двигателя, кВт"), power_);
    form->addRow(QStringLiteral("КПД привода"), efficiency_);
    // The list takes the whole width under its label.
    auto* speedsLabel = new QLabel(QStringLiteral("Частоты по паспорту, об/мин (через ;)"), this);
    speedsLabel->setBuddy(speeds_);
    form->addRow(speedsLabel);
    form->addRow(speeds_);
    form->addRow(QStringLiteral("или от"),
                 row({speedMin_, label("до"), speedMax_, label("об/мин")}));
    form->addRow(QStringLiteral("Ряд"), row({ratio_, generate_}));
    form->addRow(QStringLiteral("Наибольший момент, Н·м"), torque_);
    form->addRow(QStringLiteral("Наибольшая сила подачи, Н"), force_);
    auto* feedsLabel = new QLabel(QStringLiteral("Подачи по паспорту (через ;)"), this);
    feedsLabel->setBuddy(feeds_);
    form->addRow(feedsLabel);
    form->addRow(row({feeds_, feedUnit_}));
    form->addRow(QStringLiteral("ряд от"), row({feedMin_, label("до"), feedMax_}));
    form->addRow(QStringLiteral("Ряд подач"), row({feedRatio_, generateFeeds_}));
    form->addRow(new QLabel(QStringLiteral("Момент, сила подачи и подачи не обязательны."), this));

    auto* top = new QHBoxLayout;
    top->addWidget(list_);
    top->addLayout(form, 1);
    layOutPage(top, {add_, save_, delete_});
}

void STANKI::listEntries() {
    // The fields are left as they are.
    entries_->show(catalog_.machines());
    updateButtons();
}

void STANKI::showEntry(int row) {
    const auto number = [this](const std::optional<double>& value) {
        return value ? QString::fromStdString(plainText(*value, decimalSeparator_)) : QString();
    };
    const Machine machine = row >= 0 && static_cast<std::size_t>(row) < catalog_.machines().size()
                                ? catalog_.machines()[static_cast<std::size_t>(row)]
                                : Machine{};
    name_->setText(QString::fromStdString(machine.name));
    power_->setText(number(machine.power));
    efficiency_->setText(number(machine.efficiency));
    speeds_->setText(QString::fromStdString(speedListText(machine.speeds, decimalSeparator_)));
    speeds_->setCursorPosition(0); // the lowest speeds in sight should the list not fit
    speedMin_->setText(number(machine.speedMin));
    speedMax_->setText(number(machine.speedMax));
    showRangeOfList();
    torque_->setText(number(machine.torqueMax));
    force_->setText(number(machine.forceMax));
    feeds_->setText(QString::fromStdString(speedListText(machine.feeds, decimalSeparator_)));
    feeds_->setCursorPosition(0);
    feedUnit_->setCurrentIndex(static_cast<int>(machine.feedUnit));
    // The list's ends, for another series over the same feeds.
    feedMin_->setText(machine.feeds.empty() ? QString() : number(machine.feeds.front()));
    feedMax_->setText(machine.feeds.empty() ? QString() : number(machine.feeds.back()));
}

void STANKI::showRangeOfList() {
    // A machine has either the passport's list or a stepless range, never both: while the list
    // holds text the range fields are out of use and show the list's ends, or nothing while the
    // list does not read.
    const bool list = !speeds_->text().trimmed().isEmpty();
    speedMin_->setEnabled(!list);
    speedMax_->setEnabled(!list);
    if (!list) {
        return;
    }
    const SpeedList parsed = parseSpeedList(speeds_->text().toStdString());
    const bool ends = !parsed.badItem && !parsed.speeds.empty();
    speedMin_->setText(
        ends ? QString::fromStdString(plainText(parsed.speeds.front(), decimalSeparator_)) : "");
    speedMax_->setText(
        ends ? QString::fromStdString(plainText(parsed.speeds.back(), decimalSeparator_)) : "");
}

bool STANKI::readNumber(QLineEdit* edit, std::string_view field, std::optional<double>& value) {
    const QString text = edit->text().trimmed();
    value.reset();
    if (text.isEmpty()) {
        return true;
    }
    value = typedNumber(text.toStdString());
    if (!value) {
        dialogs_.message(QString::fromStdString(notANumberMessage(field, text.toStdString())));
        edit->setFocus();
        return false;
    }
    return true;
}

bool STANKI::refused(const std::string& error) {
    return entries_->refused(error);
}

bool STANKI::readSpeeds(Machine& machine) {
    if (speeds_->text().trimmed().isEmpty()) {
        return readNumber(speedMin_, machinefield::speedMin, machine.speedMin) &&
               readNumber(speedMax_, machinefield::speedMax, machine.speedMax);
    }
    return readList(speeds_, machinefield::speeds, machine.speeds);
}

bool STANKI::readFeeds(Machine& machine) {
    machine.feedUnit = static_cast<FeedUnit>(feedUnit_->currentIndex());
    return readList(feeds_, machinefield::feeds, machine.feeds);
}

bool STANKI::readList(QLineEdit* edit, std::string_view field, std::vector<double>& values) {
    SpeedList list = parseSpeedList(edit->text().toStdString());
    if (list.badItem) {
        dialogs_.message(QString::fromStdString(notANumberMessage(field, *list.badItem)));
        edit->setFocus();
        return false;
    }
    values = std::move(list.speeds);
    return true;
}

std::optional<Machine> STANKI::typedMachine() {
    Machine machine;
    machine.name = name_->text().trimmed().toStdString();
    if (!readNumber(power_, machinefield::power, machine.power) ||
        !readNumber(efficiency_, machinefield::efficiency, machine.efficiency) ||
        !readSpeeds(machine) || !readNumber(torque_, machinefield::torqueMax, machine.torqueMax) ||
        !readNumber(force_, machinefield::forceMax, machine.forceMax) || !readFeeds(machine)) {
        return std::nullopt;
    }
    return machine;
}

void STANKI::generateSpeeds() {
    // The range typed, or the ends of the list shown: another ratio then replaces the list over
    // the same speeds.
    Machine range;
    if (!readSpeeds(range)) {
        return;
    }
    if (!range.speeds.empty()) {
        range.speedMin = range.speeds.front();
        range.speedMax = range.speeds.back();
        range.speeds.clear();
    }
    if (!range.speedMin || !range.speedMax) {
        dialogs_.message(QStringLiteral("ДЛЯ РЯДА ЗАДАЙТЕ НАИМЕНЬШУЮ И НАИБОЛЬШУЮ ЧАСТОТУ!!!"));
        (range.speedMin ? speedMax_ : speedMin_)->setFocus();
        return;
    }
    if (refused(machineError(range, MachineUse::Limits))) {
        return;
    }
    fillSeries(speeds_, ratio_, *range.speedMin, *range.speedMax,
               QStringLiteral("МЕЖДУ НАИМЕНЬШЕЙ И НАИБОЛЬШЕЙ ЧАСТОТОЙ НЕТ ЧИСЕЛ РЯДА %1!!!"));
}

void STANKI::generateFeeds() {
    std::optional<double> low;
    std::optional<double> high;
    if (!readNumber(feedMin_, machinefield::feeds, low) ||
        !readNumber(feedMax_, machinefield::feeds, high)) {
        return;
    }
    if (!low || !high) {
        dialogs_.message(QStringLiteral("ДЛЯ РЯДА ЗАДАЙТЕ НАИМЕНЬШУЮ И НАИБОЛЬШУЮ ПОДАЧУ!!!"));
        (low ? feedMax_ : feedMin_)->setFocus();
        return;
    }
    // The ends as a list of two feeds: positive, ascending and within a real machine's.
    Machine ends;
    ends.feeds = {*low, *high};
    if (refused(machineError(ends, MachineUse::Limits))) {
        return;
    }
    fillSeries(feeds_, feedRatio_, *low, *high,
               QStringLiteral("МЕЖДУ НАИМЕНЬШЕЙ И НАИБОЛЬШЕЙ ПОДАЧЕЙ НЕТ ЧИСЕЛ РЯДА %1!!!"));
}

void STANKI::fillSeries(QLineEdit* list, const QComboBox* ratio, double low, double high,
                        const QString& noneMessage) {
    const SpeedSeries& series = speedSeries.at(static_cast<std::size_t>(ratio->currentIndex()));
    const std::vector<double> numbers = seriesSpeeds(series, low, high);
    if (numbers.empty()) {
        // Ends closer together than one step of the series.
        dialogs_.message(noneMessage.arg(QString::fromUtf8(series.name)));
        return;
    }
    list->setText(QString::fromStdString(speedListText(numbers, decimalSeparator_)));
    list->setCursorPosition(0);
    list->setFocus();
}

void STANKI::addEntry() {
    entries_->store(
        typedMachine(), [this](const Machine& machine) { return catalog_.add(machine); },
        [this](int line) { showEntry(line); });
}

void STANKI::saveEntry() {
    if (const std::optional<std::size_t> index = entries_->selected()) {
        // What was saved, as the list will show it again: sorted speeds, the user's decimal
        // format.
        entries_->store(
            typedMachine(),
            [this, index](const Machine& machine) { return catalog_.replace(*index, machine); },
            [this](int line) { showEntry(line); });
    }
}

void STANKI::deleteEntry() {
    if (entries_->remove(catalog_.machines(), QStringLiteral("Удалить станок %1?"),
                         [this](std::size_t index) { return catalog_.remove(index); })) {
        showEntry(-1);
    }
}
