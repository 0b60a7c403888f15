#pragma once

#include <QHash>
#include <QSet>
#include <QString>
#include <vector>

namespace format {

// The trimmed keys of the titles read, for the lookup of every issue's
// title. A key of one character and one to seven digits, as the windows
// hand them out (J000041), is one bit of a small table for its first
// character and number of digits; any other key is kept as its text. A
// table of texts reads two or three places far apart in memory for each
// lookup, which over millions of issues was a good part of the import.
class TitleKeys {
  public:
    void insert(const QString& key);
    bool contains(const QString& key) const;

  private:
    QHash<quint32, std::vector<quint64>> bits_;  // first character and digits -> bits by number
    QSet<QString> others_;
};

}  // namespace format
