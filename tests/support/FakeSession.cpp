#include "support/FakeSession.h"

namespace sylvenor::test {

void FakeSession::quitProgram() { demandes.push_back("quitter"); }
void FakeSession::powerOff() { demandes.push_back("éteindre"); }
void FakeSession::reboot() { demandes.push_back("redémarrer"); }
void FakeSession::open(const std::string& url) { demandes.push_back("ouvrir " + url); }

}  // namespace sylvenor::test
