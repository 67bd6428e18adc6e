#pragma once
// The one fixture shared by the suites: each test gets its own temporary folder
// and its own XDG data, config and cache homes, so nothing a test writes reaches
// the user's real folders or another test.
#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <ostream>

// Readable QString values in assertion failures.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

class SwTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Absolute path of `name` inside this test's temporary folder.
    QString tempPath(const QString& name = {}) const;
    // Writes bytes to a file inside the temporary folder; returns its path.
    QString writeFile(const QString& name, const QByteArray& bytes) const;
    // The source tree (for committed fixtures under tests/).
    static QString sourceDir();

private:
    QTemporaryDir dir_;
    QByteArray savedData_, savedConfig_, savedCache_;
};
