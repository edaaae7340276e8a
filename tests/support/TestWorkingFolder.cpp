#include "TestWorkingFolder.h"

#include <QDir>

TestWorkingFolder::TestWorkingFolder() : previous_(QDir::currentPath())
{
    if (dir_.isValid())
        QDir::setCurrent(dir_.path());
}

TestWorkingFolder::~TestWorkingFolder()
{
    QDir::setCurrent(previous_);
}

QString TestWorkingFolder::path() const
{
    return dir_.path();
}

QString TestWorkingFolder::filePath(const QString &name) const
{
    return dir_.filePath(name);
}

bool TestWorkingFolder::isValid() const
{
    return dir_.isValid();
}
