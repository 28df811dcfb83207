#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

namespace zemtar {

// An in-memory copy of a settings file made of "[section]" headers and "key=value"
// lines. Lookups and changes work on memory; the whole file is written back on Save
// (and at destruction when write-back is on), only when something changed.
class CIniFile {
public:
    // A settings file holds a few thousand lines at most; anything larger is refused.
    static constexpr qint64 kMaxFileSize = 1 << 20;

    explicit CIniFile(int growthStep = 4);
    ~CIniFile();
    CIniFile(const CIniFile&) = delete;
    CIniFile& operator=(const CIniFile&) = delete;

    // Loads `fileName`; a relative name is taken inside `baseDir` (the program's folder;
    // the current folder when empty). A missing file is created empty. Returns false when
    // the file cannot be opened or read (what was read before a read error is kept).
    bool Load(const QString& fileName, bool writeBackAtExit, bool ignored, bool caseInsensitive, bool backupBeforeWrite,
              const QString& baseDir = {});
    // Replaces the contents with the entries of `content` as Load reads a file, without
    // binding to a file (SetValue then does nothing; used for parsing in isolation).
    void Parse(const QByteArray& content);

    QString GetValue(const QString& section, const QString& key, const QString& def = {}) const;
    void SetValue(const QString& section, const QString& key, const QString& value);
    // Sets one value and writes it to the file at once, into the file as it is on disk now:
    // whatever else changed in the file since it was read (by hand, by another window) stays,
    // and nothing else of this copy is written. Returns false when writing failed.
    bool WriteValue(const QString& section, const QString& key, const QString& value);

    // Writes the file if anything changed: to a temporary file that then replaces the old
    // one, so a failed write leaves the old file intact. With `backup`, the old file is
    // first copied to the next free "<file>.NNN". Returns false when writing failed.
    bool Save(bool backup, QString* backupPath = nullptr);
    void Clear();

    bool RemoveKey(const QString& section, const QString& key);
    bool RemoveSection(const QString& section);
    QStringList SectionNames() const; // non-empty names, in file order
    QStringList Keys(const QString& section) const;
    bool WriteBackAtExit() const { return writeBack_; }
    void SetWriteBackAtExit(bool on) { writeBack_ = on; }
    // Piece n of the value split at `separator`; "" when out of range.
    QString GetValueItem(const QString& section, const QString& key, int n, QChar separator) const;

    QString path() const { return path_; }
    // Where Save writes from now on (the file read stays as it was).
    void setPath(const QString& path) { path_ = path; }

    // The settings file a program reads: the user's own copy ("<config>/zemtar/<name>") when
    // it exists, else the one in `programDir`.
    static QString userCopyPath(const QString& fileName);
    static QString effectivePath(const QString& fileName, const QString& programDir);
    // Where changes are written: the file read when it is the user's copy or can be written,
    // else the user's copy (a program installed for all users cannot change its own folder).
    static QString writablePath(const QString& readPath, const QString& fileName);
    QString errorText() const { return errorText_; }
    bool isDirty() const { return dirty_; }
    int sectionCount() const { return int(sections_.size()) - 1; }

private:
    struct Section {
        QString name;
        QStringList keys;
        QStringList values;
    };
    bool same(const QString& a, const QString& b) const;
    int findSection(const QString& name) const;
    static int findKey(const Section& s, const QString& key, const CIniFile& self);
    void parseInto(const QByteArray& content);
    QString nextBackupPath() const;

    int growthStep_;
    QString path_;
    QString readPath_; // the file Load read, when Save writes elsewhere
    QString backupPath_;
    QString errorText_;
    std::vector<Section> sections_;
    bool caseInsensitive_ = true;
    bool writeBack_ = false;
    bool backupBeforeWrite_ = false;
    bool dirty_ = false;
};

} // namespace zemtar
