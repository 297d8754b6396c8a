#pragma once

#include <QWidget>

// The page shown when no account exists yet: a welcome line and a "Create Account" button.
class EmptyStatePage final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(EmptyStatePage)

public:
    explicit EmptyStatePage(QWidget *parent = nullptr);

signals:
    void createAccountRequested();
};
