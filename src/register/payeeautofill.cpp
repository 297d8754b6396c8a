#include "payeeautofill.h"

#include "app/appstate.h"
#include "data/categoryrepository.h"
#include "data/transactionrepository.h"
#include "registermodel.h"

#include <QLineEdit>

PayeeAutofill::PayeeAutofill(AppState *state, RegisterModel *model)
    : m_state(state)
    , m_model(model)
{
}

void PayeeAutofill::fill(const QString &accountId, const QString &payee, bool fromCompletion,
                         QWidget *editor) const
{
    const std::optional<Transaction> latest =
        m_state->transactionRepository()->latestByPayee(payee.trimmed(), accountId);
    if (!latest) {
        return;
    }
    RegisterModel::EntryBuffer &entry = m_model->entry();
    const bool payment = latest->amount < 0;
    entry.payment = payment ? m_model->amountText(-latest->amount) : QString();
    entry.deposit = payment ? QString() : m_model->amountText(latest->amount);
    if (!latest->categoryId.isEmpty()) {
        if (const auto category = m_state->categoryRepository()->findById(latest->categoryId)) {
            entry.category = category->name;
            entry.categoryId = category->id;
        }
    }
    if (!latest->memo.isEmpty()) {
        entry.memo = latest->memo;
        if (fromCompletion && editor && editor->objectName() == QLatin1String("PayeeMemoEditor")) {
            editor->findChild<QLineEdit *>(QStringLiteral("memoEdit"))->setText(latest->memo);
        }
    }
    if (fromCompletion) {
        const int row = m_model->entryRow();
        emit m_model->dataChanged(m_model->index(row, 0),
                                  m_model->index(row, RegisterModel::BalanceColumn));
    }
}
