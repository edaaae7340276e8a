#pragma once

#include <QString>
#include <QTemporaryDir>

// Runs a test inside a fresh, empty working folder: the settings file
// "rowsmith.dat" and every relative path resolve there. The previous working
// folder comes back when the object goes.
class TestWorkingFolder
{
public:
    TestWorkingFolder();
    ~TestWorkingFolder();
    TestWorkingFolder(const TestWorkingFolder &) = delete;
    TestWorkingFolder &operator=(const TestWorkingFolder &) = delete;

    QString path() const;
    QString filePath(const QString &name) const;
    bool isValid() const;

private:
    QTemporaryDir dir_;
    QString previous_;
};
