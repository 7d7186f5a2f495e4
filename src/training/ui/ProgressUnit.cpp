#include "ProgressUnit.h"

#include "MainTabs.h"
#include "ProgramState.h"

#include <QPushButton>

namespace training {

ProgressUnit::ProgressUnit(ProgressTab *tab, QWidget *window, ProgramState &state) : m_tab(tab), m_state(state)
{
    QObject::connect(tab->exitButton, &QPushButton::clicked, window, &QWidget::close);
}

QWidget *ProgressUnit::page() const
{
    return m_tab;
}

} // namespace training
