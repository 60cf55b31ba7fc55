#include "PortBinding.h"

CPortBinding::~CPortBinding() = default;

void CPortBinding::attachUser()
{
    ++m_nUsers;
}

void CPortBinding::detachUser()
{
    if (m_nUsers > 0 && --m_nUsers == 0)
        close();
}
