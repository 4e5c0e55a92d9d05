#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>
#include <QTimer>
#include <memory>
#include <vector>

class TournamentDocument;

// Keeps the unsaved work of the open tournament safe from a crash, a power cut or a forced log-out:
// while the document has unsaved changes, its bytes as Save would write them lie in a copy in
// `folder`, written at most a second after a change, beside the name of the tournament's own file.
// The copy goes when the tournament is saved, closed or replaced, and when the program ends
// normally. A lock file held while the program runs tells a copy in use from one left behind.
class RecoveryCopy : public QObject
{
    Q_OBJECT

public:
    RecoveryCopy(TournamentDocument* document, const QString& folder, QObject* parent = nullptr);
    ~RecoveryCopy() override;

    // The copy's path; no file is there while nothing is unsaved.
    QString path() const { return m_base + QStringLiteral(".trn"); }

    // Writes what is waiting to be written at once, or removes the copy when nothing is unsaved.
    void update();
    // False when the folder is a symbolic link: its target, wherever it leads, is left alone and
    // nothing is kept.
    bool isUsable() const { return m_usable; }

private:
    void changed();
    void remove();

    TournamentDocument* m_document;
    QString m_base;
    QLockFile m_lock;
    QTimer m_delay;
    bool m_usable = false;
};

// A copy left by a program that died, locked for the caller until it is recovered or discarded.
struct LeftCopy
{
    QString path;       // the tournament's bytes
    QString sourceFile; // the tournament's own file; empty for one never saved
    std::unique_ptr<QLockFile> lock;
};

// The copies in `folder` whose program is no longer running, newest first; none in a linked folder.
// The locks of programs that ended with nothing unsaved go on the way.
std::vector<LeftCopy> claimLeftCopies(const QString& folder);
// A link could lead the copies, and the folder's new permissions, anywhere.
bool isLinkedFolder(const QString& folder);
// Deletes the copy and its lock: recovered or discarded.
void deleteLeftCopy(LeftCopy& copy);
// Keeps a copy that cannot be read out of the way under "<name>.damaged", for a person to look at.
// Returns the new name.
QString setLeftCopyAside(LeftCopy& copy);
