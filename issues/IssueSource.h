#pragma once

#include <QString>

#include "issues/IssueRegister.h"
#include "ui/RowSource.h"

namespace issues {

// The issues of one title a page at a time, in the register's list order
// (latest issue date first, the undated last), each as the registration
// window's row: number, issue date, volume, number, description and date
// received. The list keeps that one order.
class IssueSource : public ui::RowSource {
  public:
    IssueSource(data::Database& db, QString pointer)
        : register_(db), pointer_(std::move(pointer)) {}

    // An issue as its row in the list.
    static QStringList cells(const ListedIssue& issue);

    int count() const override { return register_.issueCount(pointer_); }
    std::vector<QStringList> rows(int offset, int limit) const override;
    bool sortable(int) const override { return false; }

  private:
    IssueRegister register_;
    QString pointer_;
};

}  // namespace issues
