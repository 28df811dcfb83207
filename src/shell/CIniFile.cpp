#include "CIniFile.h"

#include "image/AtomicFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringDecoder>

namespace zemtar {

namespace {

QString trimEnds(const QString& s)
{
    auto blank = [](QChar c) { return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n'; };
    qsizetype b = 0, e = s.size();
    while (b < e && blank(s[b]))
        ++b;
    while (e > b && blank(s[e - 1]))
        --e;
    return s.mid(b, e - b);
}

QString decodeText(const QByteArray& raw)
{
    QByteArray data = raw;
    if (data.startsWith("\xEF\xBB\xBF"))
        data.remove(0, 3);
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8(data);
    if (!utf8.hasError())
        return text;
    // Files written on a Chinese Windows system are in the GB code page.
    QStringDecoder gb("GB18030");
    if (gb.isValid()) {
        text = gb(data);
        if (!gb.hasError())
            return text;
    }
    return QString::fromLatin1(data);
}

} // namespace

CIniFile::CIniFile(int growthStep) : growthStep_(growthStep > 0 ? growthStep : 4)
{
    sections_.reserve(std::size_t(growthStep_));
    sections_.push_back(Section{});
}

QString CIniFile::userCopyPath(const QString& fileName)
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath(QStringLiteral("zemtar/") + fileName);
}

QString CIniFile::effectivePath(const QString& fileName, const QString& programDir)
{
    const QString user = userCopyPath(fileName);
    return QFileInfo(user).isFile() ? user : QDir(programDir).filePath(fileName);
}

QString CIniFile::writablePath(const QString& readPath, const QString& fileName)
{
    const QString user = userCopyPath(fileName);
    if (readPath == user)
        return user;
    const QFileInfo info(readPath);
    const bool writable = info.exists() ? info.isWritable() : QFileInfo(info.absolutePath()).isWritable();
    return writable ? readPath : user;
}

CIniFile::~CIniFile()
{
    if (writeBack_)
        Save(backupBeforeWrite_);
    Clear();
}

bool CIniFile::same(const QString& a, const QString& b) const
{
    return a.compare(b, caseInsensitive_ ? Qt::CaseInsensitive : Qt::CaseSensitive) == 0;
}

int CIniFile::findSection(const QString& name) const
{
    for (std::size_t i = 0; i < sections_.size(); ++i)
        if (same(sections_[i].name, name))
            return int(i);
    return -1;
}

int CIniFile::findKey(const Section& s, const QString& key, const CIniFile& self)
{
    for (qsizetype i = s.keys.size() - 1; i >= 0; --i)
        if (self.same(s.keys[i], key))
            return int(i);
    return -1;
}

bool CIniFile::Load(const QString& fileName, bool writeBackAtExit, bool /*ignored*/, bool caseInsensitive,
                    bool backupBeforeWrite, const QString& baseDir)
{
    if (!path_.isEmpty()) {
        Save(false);
        Clear();
    }
    writeBack_ = writeBackAtExit;
    caseInsensitive_ = caseInsensitive;
    backupBeforeWrite_ = backupBeforeWrite;

    const QString full = QFileInfo(fileName).isAbsolute()
                             ? fileName
                             : QDir(baseDir.isEmpty() ? QDir::currentPath() : baseDir).filePath(fileName);
    const QFileInfo info(full);
    if ((info.exists() || info.isSymLink()) && !info.isFile()) {
        errorText_ = QStringLiteral("%1 is not a regular file: it was not read.").arg(full);
        return false;
    }
    if (info.size() > kMaxFileSize) {
        errorText_ = QStringLiteral("%1 is larger than %2 bytes: it was not read.").arg(full).arg(kMaxFileSize);
        return false;
    }
    QFile file(full);
    const bool opened =
        file.exists() ? file.open(QIODevice::ReadOnly) : file.open(QIODevice::ReadWrite); // creates, never truncates
    if (!opened) {
        errorText_ = QStringLiteral("Cannot open %1: %2").arg(full, file.errorString());
        return false;
    }
    path_ = readPath_ = full;
    sections_.clear();
    sections_.push_back(Section{});
    const QByteArray content = file.read(kMaxFileSize);
    const bool readOk = file.error() == QFileDevice::NoError;
    parseInto(content);
    if (!readOk) {
        errorText_ = QStringLiteral("Cannot read %1: %2").arg(full, file.errorString());
        return false;
    }
    return true;
}

void CIniFile::Parse(const QByteArray& content)
{
    Clear();
    parseInto(content);
}

void CIniFile::parseInto(const QByteArray& content)
{
    const QStringList lines = decodeText(content).split(u'\n');
    for (const QString& raw : lines) {
        const QString line = trimEnds(raw);
        if (line.size() >= 2 && line.front() == u'[' && line.back() == u']') {
            sections_.push_back(Section{line.mid(1, line.size() - 2), {}, {}});
            continue;
        }
        const qsizetype eq = line.indexOf(u'=');
        const QString key = trimEnds(eq < 0 ? line : line.left(eq));
        const QString value = eq < 0 ? QString() : trimEnds(line.mid(eq + 1));
        if (key.isEmpty())
            continue;
        const QChar c = key.front();
        if (c == u';' || c == u'/' || c == u'\\' || c == u'*')
            continue; // comment lines
        sections_.back().keys.append(key);
        sections_.back().values.append(value);
    }
}

QString CIniFile::GetValue(const QString& section, const QString& key, const QString& def) const
{
    const int s = findSection(section);
    if (s < 0)
        return def;
    const int k = findKey(sections_[std::size_t(s)], key, *this);
    if (k < 0)
        return trimEnds(def);
    QString v = sections_[std::size_t(s)].values[k];
    // A remark after the value: "\t;" anywhere, "//" and "/*" at the start or after a blank.
    // Inside a word they belong to it: a device path (/dev/serial//by-id), an address
    // (http://...).
    qsizetype cut = v.indexOf(QStringLiteral("\t;"));
    for (const QString& marker : {QStringLiteral("//"), QStringLiteral("/*")}) {
        for (qsizetype at = v.indexOf(marker); at >= 0 && (cut < 0 || at < cut); at = v.indexOf(marker, at + 1))
            if (at == 0 || v[at - 1] == u' ' || v[at - 1] == u'\t') {
                cut = at;
                break;
            }
    }
    if (cut >= 0)
        v.truncate(cut);
    return v;
}

void CIniFile::SetValue(const QString& section, const QString& key, const QString& value)
{
    if (path_.isEmpty())
        return;
    int s = findSection(section);
    if (s < 0) {
        sections_.push_back(Section{section, {}, {}});
        s = int(sections_.size()) - 1;
        dirty_ = true;
    }
    Section& sec = sections_[std::size_t(s)];
    const int k = findKey(sec, key, *this);
    if (k < 0) {
        sec.keys.append(key);
        sec.values.append(value);
        dirty_ = true;
    } else {
        if (!same(sec.values[k], value))
            dirty_ = true;
        sec.values[k] = value;
    }
}

bool CIniFile::WriteValue(const QString& section, const QString& key, const QString& value)
{
    if (path_.isEmpty())
        return false;
    const bool pending = dirty_;
    SetValue(section, key, value);
    dirty_ = pending; // this change goes to the file now, on its own
    CIniFile disk;
    const QString from = QFileInfo(path_).isFile() || readPath_.isEmpty() ? path_ : readPath_;
    if (!disk.Load(from, false, false, caseInsensitive_, false)) {
        errorText_ = disk.errorText();
        return false;
    }
    disk.setPath(path_);
    disk.SetValue(section, key, value);
    if (!disk.Save(false)) {
        errorText_ = disk.errorText();
        return false;
    }
    return true;
}

QString CIniFile::nextBackupPath() const
{
    const QFileInfo info(path_);
    const QString name = info.fileName();
    const qsizetype dot = name.lastIndexOf(u'.');
    const QString stem = dot < 0 ? name : name.left(dot);
    int highest = 0;
    const QStringList matches = info.dir().entryList({stem + QStringLiteral("*.*")}, QDir::Files | QDir::Hidden);
    for (const QString& m : matches) {
        const QString last = m.right(3);
        int n = 0;
        for (QChar c : last) {
            if (c < u'0' || c > u'9')
                break;
            n = n * 10 + (c.unicode() - u'0');
        }
        highest = std::max(highest, n);
    }
    return QStringLiteral("%1.%2").arg(path_).arg(highest + 1, 3, 10, QChar(u'0'));
}

bool CIniFile::Save(bool backup, QString* backupPath)
{
    if (backupPath)
        backupPath->clear();
    if (!dirty_ || path_.isEmpty())
        return true;
    if (backup) {
        if (backupPath_.isEmpty())
            backupPath_ = nextBackupPath();
        QFile::remove(backupPath_);
        QFile::copy(path_, backupPath_);
        if (backupPath)
            *backupPath = backupPath_;
    }
#ifdef Q_OS_WIN
    const QString eol = QStringLiteral("\r\n");
#else
    const QString eol = QStringLiteral("\n");
#endif
    QString out;
    for (const Section& s : sections_) {
        if (!s.name.isEmpty())
            out += QLatin1Char('[') + s.name + QLatin1Char(']') + eol;
        for (qsizetype i = 0; i < s.keys.size(); ++i)
            out += s.keys[i] + (s.keys[i].isEmpty() ? QString() : QStringLiteral("=")) + s.values[i] + eol;
    }
    QDir().mkpath(QFileInfo(path_).absolutePath()); // the user's configuration folder may not exist yet
    if (!writeFileAtomically(path_, out.toUtf8(), &errorText_))
        return false;
    dirty_ = false;
    return true;
}

void CIniFile::Clear()
{
    sections_.clear();
    sections_.push_back(Section{});
    path_.clear();
    readPath_.clear();
    dirty_ = false;
}

bool CIniFile::RemoveKey(const QString& section, const QString& key)
{
    const int s = findSection(section);
    if (s < 0)
        return false;
    Section& sec = sections_[std::size_t(s)];
    const int k = findKey(sec, key, *this);
    if (k < 0)
        return false;
    sec.keys.removeAt(k);
    sec.values.removeAt(k);
    dirty_ = true;
    return true;
}

bool CIniFile::RemoveSection(const QString& section)
{
    const int s = findSection(section);
    if (s < 0)
        return false;
    if (s == 0) { // the unnamed section stays; only its entries go
        sections_[0].keys.clear();
        sections_[0].values.clear();
    } else {
        sections_.erase(sections_.begin() + s);
    }
    dirty_ = true;
    return true;
}

QStringList CIniFile::SectionNames() const
{
    QStringList names;
    for (const Section& s : sections_)
        if (!s.name.isEmpty())
            names << s.name;
    return names;
}

QStringList CIniFile::Keys(const QString& section) const
{
    const int s = findSection(section);
    return s < 0 ? QStringList{} : sections_[std::size_t(s)].keys;
}

QString CIniFile::GetValueItem(const QString& section, const QString& key, int n, QChar separator) const
{
    const QString value = trimEnds(GetValue(section, key, QString()));
    if (value.isEmpty() || value == QStringLiteral("(null)") || n < 0)
        return {};
    const QStringList pieces = value.split(separator);
    return n < pieces.size() ? pieces[n] : QString();
}

} // namespace zemtar
