#pragma once

#include <QPointer>
#include <QStringList>
#include <QStyledItemDelegate>

#include <functional>

class AppState;

// One editor per register column, the two-line painting, and the transfer of editor texts into
// the model's entry buffer.
class RegisterDelegate final : public QStyledItemDelegate
{
    Q_OBJECT

public:
    // Called when a payee reaches the entry buffer: (payee, chosen from the completion popup,
    // the editor).
    using PayeeHandler = std::function<void(const QString &, bool, QWidget *)>;

    RegisterDelegate(AppState *state, QObject *parent = nullptr);

    void setAccountId(const QString &accountId) { m_accountId = accountId; }
    void setTwoLine(bool twoLine) { m_twoLine = twoLine; }
    bool twoLine() const { return m_twoLine; }
    void setPayeeHandler(PayeeHandler handler) { m_payeeHandler = std::move(handler); }

    // The cell editor that is open now, and its index.
    QWidget *openEditor() const { return m_openEditor; }
    QModelIndex openIndex() const { return m_openIndex; }

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model,
                      const QModelIndex &index) const override;
    void updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                              const QModelIndex &index) const override;
    void destroyEditor(QWidget *editor, const QModelIndex &index) const override;

    // "Parent > Name" for a category under a listed parent, else its name.
    QList<std::pair<QString, QString>> categoryItems() const;
    QStringList payeeItems() const;

protected:
    bool eventFilter(QObject *object, QEvent *event) override;

private:
    QWidget *payeeEditor(QWidget *parent, bool entryRow) const;
    void paintTwoLine(QPainter *painter, const QStyleOptionViewItem &option,
                      const QModelIndex &index) const;

    AppState *m_state;
    QString m_accountId;
    bool m_twoLine = false;
    PayeeHandler m_payeeHandler;
    mutable QPointer<QWidget> m_openEditor;
    mutable QPersistentModelIndex m_openIndex;
};
