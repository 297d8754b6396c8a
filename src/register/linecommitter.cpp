#include "linecommitter.h"

#include "app/appstate.h"
#include "categoryprompt.h"
#include "data/transaction.h"
#include "entryreader.h"
#include "registermodel.h"
#include "services/transactionservice.h"

LineCommitter::LineCommitter(AppState *state, QWidget *parent)
    : m_state(state)
    , m_parent(parent)
{
}

LineCommitter::Outcome LineCommitter::commit(const RegisterModel &model, const QString &accountId,
                                             Currency currency, const Prompts::Question &question)
{
    const RegisterModel::EntryBuffer &entry = model.entry();
    const int editing = model.editingRow();
    const bool isNew = editing < 0 || model.isEntryRow(editing);
    Transaction line;
    if (isNew) {
        line.accountId = accountId;
    } else {
        line = model.rowAt(editing).transaction;
    }
    const Transaction stored = line;
    EntryReader reader(currency);
    if (!reader.read(entry, line)) {
        return {false, reader.error(), reader.column(), false, {}};
    }
    if (!isNew && TransactionService::changesReconciled(stored, line) &&
        !question(m_parent, tr("Reconciled Transaction"),
                  tr("This transaction is reconciled. Change it anyway?"))) {
        return {};
    }
    if (entry.categoryId.isEmpty()) {
        CategoryPrompt prompt(m_state->categoryService(), question);
        const std::optional<QString> category =
            prompt.resolve(entry.category, line.amount, m_parent);
        if (!category) {
            return {false, prompt.error(), RegisterModel::CategoryColumn, false, {}};
        }
        line.categoryId = *category;
    } else {
        line.categoryId = entry.categoryId;
    }
    TransactionService *service = m_state->transactionService();
    if (isNew ? service->add(line) : service->update(line)) {
        const QDate changedFrom = isNew ? line.date : std::min(stored.date, line.date);
        return {true, QString(), -1, false, changedFrom};
    }
    return {false, service->lastError(), -1, true, {}};
}
