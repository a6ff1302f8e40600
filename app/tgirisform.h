#pragma once
// The login dialog: remembered credentials, the public address, the session
// record of this workstation, and the decision.

#include <QDialog>

class Connection;
struct TSonucBilgisi;

class Tgirisform : public QDialog
{
    Q_OBJECT
public:
    explicit Tgirisform(QWidget *parent = nullptr);
    ~Tgirisform() override;

    // Given before showing: the main window's connection and session record,
    // which the login fills in place.
    Connection *bagim = nullptr;
    TSonucBilgisi *Bilgim = nullptr;
};
