// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// The row of a dialog that inserts a number at the command line: "Insert Value", the default
// button, accepts; "Cancel" rejects. The texts come from the dialog, in its own words.
#pragma once

#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>

namespace brisalto {

struct InsertButtons {
    QDialogButtonBox* box;
    QPushButton* insert;
    QPushButton* cancel;
};

inline InsertButtons MakeInsertButtons(QDialog* dialog, const QString& name,
                                       const QString& insert_text, const QString& cancel_text) {
    auto* box = new QDialogButtonBox(dialog);
    box->setAccessibleName(name);
    QPushButton* insert = box->addButton(insert_text, QDialogButtonBox::AcceptRole);
    insert->setObjectName("InsertButton");
    insert->setDefault(true);
    QPushButton* cancel = box->addButton(cancel_text, QDialogButtonBox::RejectRole);
    cancel->setObjectName("CancelButton");
    cancel->setAutoDefault(false);
    QObject::connect(box, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(box, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return {box, insert, cancel};
}

}  // namespace brisalto
