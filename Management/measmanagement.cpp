#include "Management/measmanagement.h"
#include "ui_measmanagement.h"

#include "Hardware/platform.h"
#include "Management/measmanagementedit.h"
#include "Tools/durablefile.h"
#include "Tools/escapekey.h"
#include "Tools/measurements.h"
#include "Tools/messagedialog.h"
#include "Tools/settingsbutton.h"
#include "Tools/storedinfo.h"

#include <QApplication>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStackedWidget>
#include <QStyle>

namespace {

// The property by which the page area's style sheet gives a list button its icon.
const char* const kIconProperty = "listIcon";

// The icons of the list buttons, picked by the button's icon property: one style sheet on
// the page area, parsed once, instead of one on each of the 100 buttons.
QString pageAreaSheet()
{
    QString sheet = QStringLiteral("SettingsButton {padding: 5px 5px; border: 0px;}\n");
    for (const char* icon : {"Pinpointing", "Levelmeasurement", "Pipelocating", "H2_Sensor", "Longtermmeasurement", "Edit"}) {
        sheet += QStringLiteral(
                     "SettingsButton[%1=\"%2\"] {image: url(:/Resources/Icons/Management/Measurements/%2_ws_40px.png);"
                     " image-position: left;}\n"
                     "SettingsButton[%1=\"%2\"]:focus {image: url(:/Resources/Icons/Management/Measurements/%2_ws_40px.png);}\n"
                     "SettingsButton[%1=\"%2\"]:hover {image: url(:/Resources/Icons/Management/Measurements/%2_ws_40px.png);}\n"
                     "SettingsButton[%1=\"%2\"]:pressed {image: url(:/Resources/Icons/Management/Measurements/%2_sw_40px.png);}\n")
                     .arg(QLatin1String(kIconProperty), QLatin1String(icon));
    }
    return sheet;
}

// The store's host path without its trailing "/".
QString storePath()
{
    QString root = Measurements::measurementRoot();
    while (root.endsWith(QLatin1Char('/')))
        root.chop(1);
    return root;
}

// lstat's view: a link counts as there even when it points nowhere.
bool entryExists(const QString& path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

// Renames one entry (file, directory or link, the link itself) without replacing an
// existing one.
bool renameEntry(const QString& from, const QString& to)
{
    if (entryExists(to))
        return false;
    return QDir().rename(from, to);
}

} // namespace

MeasManagement::MeasManagement(QWidget* parent)
    : QWidget(parent)
    , ui(new Ui::MeasManagement)
{
    ui->setupUi(this);
    m_mainArea = new QStackedWidget(this);
    m_mainArea->setObjectName(QStringLiteral("mainArea"));
    m_mainArea->setStyleSheet(pageAreaSheet());
    m_mainArea->setGeometry(0, 0, 426, 272);
    // Every page is in the page area from the start, at the index of its number, so the
    // area alone owns and frees them.
    for (int p = 0; p < kPages; ++p) {
        m_measPage[p] = new QWidget(m_mainArea);
        m_mainArea->addWidget(m_measPage[p]);
    }
    for (int i = 0; i < kMaxEntries; ++i) {
        auto* button = new SettingsButton(m_measPage[i / kEntriesPerPage]);
        button->setGeometry(5, 5 + 53 * (i % kEntriesPerPage), 416, 50);
        button->setAutoDefault(false);
        button->hide();
        connect(button, &QPushButton::clicked, this, &MeasManagement::on_butMeasurement_clicked);
        m_butMeas[i] = button;
    }
    ui->butMenuFilter->hide();
}

MeasManagement::~MeasManagement()
{
    // The page area, its pages and their buttons are children of this screen.
    delete ui;
    qDebug() << "Measurement Instances deleted";
}

void MeasManagement::init(int a_pageNum, bool a_editmode)
{
    ui->butMenuBack->setToolTip(tr("Mainmenu"));
    ui->butMenuEdit->setToolTip(tr("EditMeasurement"));
    ui->butMenuFilter->setToolTip(tr("FilterMeasurements"));
    ui->butMenuPageUp->setToolTip(tr("PreviousPage"));
    ui->butMenuPageDown->setToolTip(tr("NextPage"));
    qDebug() << "MeasManagement Init";

    m_measurements = MeasurementData()->getMeasurementList();
    // Two listings: an entry made between them must not make the count pass the list.
    m_numMeasurements = qBound(0, MeasurementData()->getNumMeasurements(), int(kMaxEntries));
    m_numMeasurements = qMin(m_numMeasurements, m_measurements.size());

    QFont font = QApplication::font();
    font.setPointSize(12);

    m_selectedMeasurementDir.clear();
    m_editDeleteMode = a_editmode;
    m_numPages = (m_numMeasurements + kEntriesPerPage - 1) / kEntriesPerPage;
    for (int i = 0; i < m_numMeasurements; ++i) {
        SettingsButton* button = m_butMeas[i];
        if (button->font() != font)
            button->setFont(font);
        updateButtonData(button, m_measurements.at(i), m_editDeleteMode);
        button->setAdditionalInfo(m_measurements.at(i));
        button->show();
    }
    for (int i = m_numMeasurements; i < kMaxEntries; ++i)
        m_butMeas[i]->hide();

    showPage(a_pageNum);
}

void MeasManagement::showPage(int page)
{
    m_currentPageNum = qBound(0, page, kPages - 1);
    m_mainArea->setCurrentIndex(m_currentPageNum);
}

void MeasManagement::updateButtonData(SettingsButton* a_but, QString a_dirName, bool a_editDeletMode)
{
    const QString type = a_dirName.left(2);
    const QString dateText = a_dirName.mid(3, 8);
    const QString timeText = a_dirName.mid(12, 6);
    const QString name = a_dirName.mid(19);

    static const struct
    {
        const char* prefix;
        const char* icon;
    } icons[] = {{"PP", "Pinpointing"},
                 {"LE", "Levelmeasurement"},
                 {"PL", "Pipelocating"},
                 {"H2", "H2_Sensor"},
                 {"LT", "Longtermmeasurement"}};
    QString icon;
    if (a_editDeletMode) {
        icon = QStringLiteral("Edit");
    } else {
        for (const auto& entry : icons) {
            if (type == QLatin1String(entry.prefix))
                icon = QString::fromLatin1(entry.icon);
        }
    }
    // Re-polishing is the costliest part of a rebuild: only a change of icon does it, and
    // a button that was never polished takes the rule when it is.
    if (a_but->property(kIconProperty).toString() != icon) {
        a_but->setProperty(kIconProperty, icon);
        if (a_but->testAttribute(Qt::WA_WState_Polished)) {
            a_but->style()->unpolish(a_but);
            a_but->style()->polish(a_but);
        }
    }

    // A null date or time formats as an empty string.
    const QString date = QDate::fromString(dateText, QStringLiteral("yyyyMMdd")).toString(QStringLiteral("dd.MM.yyyy"));
    const QString time = QTime::fromString(timeText, QStringLiteral("hhmmss")).toString(QStringLiteral("hh:mm:ss"));
    a_but->setText2(name, date + QLatin1Char(' ') + time);
}

void MeasManagement::on_butMenuPageUp_clicked()
{
    if (m_numMeasurements == 0)
        return;
    int page = m_currentPageNum - 1;
    if (page < 0)
        page = m_numPages - 1;
    showPage(page);
}

void MeasManagement::on_butMenuPageDown_clicked()
{
    if (m_numMeasurements == 0)
        return;
    int page = m_currentPageNum + 1;
    if (page >= m_numPages)
        page = 0;
    showPage(page);
}

void MeasManagement::on_butMenuEdit_clicked()
{
    init(m_currentPageNum, !m_editDeleteMode);
}

void MeasManagement::on_butMenuFilter_clicked() {}

void MeasManagement::on_butMenuBack_clicked()
{
    m_editDeleteMode = false;
    emit exit();
}

void MeasManagement::openStoredMeasurement(QString dir)
{
    m_selectedMeasurementDir = dir;
    static const struct
    {
        const char* prefix;
        int widget;
    } pages[] = {{"LE", 1}, {"PP", 3}, {"H2", 6}, {"PL", 8}, {"LT", 9}};
    for (const auto& page : pages) {
        if (dir.startsWith(QLatin1String(page.prefix))) {
            emit gotoWidget(page.widget, -1, 1);
            return;
        }
    }
}

void MeasManagement::on_butMeasurement_clicked()
{
    auto* button = qobject_cast<SettingsButton*>(sender());
    if (!button)
        return;
    const QString dirName = button->getAdditionalInfo();
    if (!m_editDeleteMode) {
        openStoredMeasurement(dirName);
        return;
    }
    m_selectedMeasurementDir = dirName;
    editMeasurement(dirName);
    init(m_currentPageNum, m_editDeleteMode);
}

void MeasManagement::editMeasurement(const QString& dirName)
{
    MeasManagementEdit dialog(this);
    dialog.init(dirName);
    const int result = dialog.exec();
    const QString newDirName = dialog.getNewDirName();
    if (result == MeasManagementEdit::Accepted) {
        if (!renameMeasurement(dirName, newDirName))
            MessageDialog::showOk(MessageDialog::IconError, tr("Error"), tr("MeasurementCouldNotBeRenamed"));
    } else if (result == MeasManagementEdit::Deleted) {
        const Deletion deletion = deleteMeasurement(dirName);
        if (deletion == Deletion::Refused)
            MessageDialog::showOk(MessageDialog::IconError, tr("Error"), tr("MeasurementCouldNotBeDeleted"));
        else if (deletion == Deletion::FilesRemain)
            MessageDialog::showOk(MessageDialog::IconWarning, tr("Warning"), tr("MeasurementDeletedFilesRemain"));
    } else {
        qDebug() << "MeasManagementEdit: Cancel" << result << newDirName;
    }
}

bool MeasManagement::renameMeasurement(const QString& oldName, const QString& newDirName)
{
    Platform::setWorkingDirectory(Measurements::measurementRootDevicePath());

    // The dialog keeps prefix, date and time of the old name; only the name after them
    // comes from the keyboard, and it takes the rule of a saved name, so that the result
    // is one entry directly in the store that the data partition can hold.
    QString type;
    QDate date;
    QTime time;
    QString oldMeasName;
    MeasManagementEdit::convertDirnameToString(oldName, &type, &date, &time, &oldMeasName);
    QString head;
    MeasManagementEdit::convertStringToDirname(&head, type, date, time, QString());
    const QString name = Measurements::cleanMeasurementName(newDirName.mid(head.size()));
    const QString newName = head + name;

    const QString root = storePath();
    const QString oldPath = root + QLatin1Char('/') + oldName;
    const QString newPath = root + QLatin1Char('/') + newName;
    const QString infoFile = newPath + QStringLiteral("/info.ini");

    // The name is rewritten in the information file: one that is a link would be written
    // where it points, outside the store, and one too large to read is no file of ours.
    // What it held goes back in place when the rename is refused after the write.
    const QString oldInfoFile = oldPath + QStringLiteral("/info.ini");
    QByteArray oldInfo;
    const Platform::ReadStatus infoStatus = Platform::readRegularFile(oldInfoFile, StoredInfo::kMaxBytes, &oldInfo);
    const bool infoFileSafe = infoStatus == Platform::ReadStatus::Read || infoStatus == Platform::ReadStatus::Missing;
    if (!infoFileSafe)
        qWarning() << "Not renamed: the information file is a link, no regular file or too large:" << oldInfoFile;

    const bool renames = newName != oldName;
    bool renamed = infoFileSafe && Platform::isPlainName(oldName) && Platform::isPlainName(newName)
        && entryExists(oldPath) && (!renames || !entryExists(newPath));

    // The name goes into the information file first and the folder takes it right after,
    // so that a kill in between leaves two names only for the moment of the folder's sync.
    // Only a directory of its own carries the name: a file entry has no information file,
    // and one written through a link would land outside the store.
    const QFileInfo entry(oldPath);
    const bool writes = renamed && entry.isDir() && !entry.isSymLink();
    bool written = false;
    if (writes) {
        written = Measurements::writeInformationFile(oldInfoFile, [&name](QSettings& info) {
            info.setValue(QStringLiteral("Measurementinfo/Measurementname"), name);
        });
        renamed = written;
    }
    if (renamed && renames) {
        renamed = renameEntry(oldPath, newPath);
        if (!renamed) {
            qWarning() << "Cannot rename" << oldName << "to" << newName;
        } else if (!Platform::syncDirectory(root)) {
            // What is not on the card is not reported as renamed.
            qWarning() << "Cannot sync" << root << "after the rename to" << newName;
            if (!renameEntry(newPath, oldPath))
                qWarning() << "Cannot rename" << newName << "back to" << oldName;
            renamed = false;
        }
    }
    if (writes && !renamed && entryExists(oldPath))
        restoreInformationFile(oldInfoFile, infoStatus == Platform::ReadStatus::Read ? &oldInfo : nullptr);
    qDebug() << "Rename" << oldName << "to" << newName << renamed << infoFile << (written ? name : QString());
    return renamed;
}

void MeasManagement::restoreInformationFile(const QString& path, const QByteArray* content)
{
    // A write that failed before its rename left the file as it was.
    QByteArray now;
    const Platform::ReadStatus status = Platform::readRegularFile(path, StoredInfo::kMaxBytes, &now);
    if (content ? status == Platform::ReadStatus::Read && now == *content : status == Platform::ReadStatus::Missing)
        return;
    QString error;
    const bool restored = content ? writeFileDurably(path, *content, &error)
                                  : QFile::remove(path) && Platform::syncDirectory(QFileInfo(path).path());
    if (!restored)
        qWarning() << "Cannot restore" << path << error;
}

MeasManagement::Deletion MeasManagement::deleteMeasurement(const QString& name)
{
    const QString root = storePath();
    const QString path = root + QLatin1Char('/') + name;
    Deletion deletion = Deletion::Refused;
    // Out of the list first and on the card, so that a removal stopping midway leaves no
    // half entry; what remains of it waits as a staging entry, which the next store
    // sweeps. A link leaves as a link (its target stays), a file as a file.
    const bool present = Platform::isPlainName(name) && entryExists(path);
    const QString staging = present ? Measurements::freeStagingEntry() : QString();
    if (!staging.isEmpty() && renameEntry(path, staging)) {
        if (!Platform::syncDirectory(root)) {
            qWarning() << "Cannot sync" << root << "after taking" << name << "out of the list";
            if (!renameEntry(staging, path))
                qWarning() << "Cannot rename" << staging << "back to" << name;
        } else {
            deletion = Measurements::removeEntry(staging) ? Deletion::Deleted : Deletion::FilesRemain;
        }
    }
    qDebug() << "Delete:" << name << (deletion == Deletion::Deleted);
    return deletion;
}

void MeasManagement::keyPressEvent(QKeyEvent* event)
{
    if (!takeEscape(event))
        QWidget::keyPressEvent(event);
}

void MeasManagement::keyReleaseEvent(QKeyEvent* event)
{
    if (!takeEscape(event)) {
        QWidget::keyReleaseEvent(event);
        return;
    }
    if (!event->isAutoRepeat())
        on_butMenuBack_clicked();
}
