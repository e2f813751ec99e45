// Vardeln — MIT licence, see LICENSE.
// today_exact_check ORACLE-FILE: the oracle's check as a program of standard C++ alone, for
// the page's build, which runs no GoogleTest; exit status 0 when every pair matches.
#include <fstream>
#include <iostream>

#include "today_exact_check.h"

int main(int argc, char** argv) {
  std::ifstream oracle(argc == 2 ? argv[1] : "");
  if (!oracle) {
    std::cerr << "usage: today_exact_check ORACLE-FILE\n";
    return 1;
  }
  const vardeln::today_exact::OracleReport report = vardeln::today_exact::checkOracle(oracle);
  for (const std::string& problem : report.problems) std::cout << problem << '\n';
  std::cout << report.pairsChecked << " pairs checked, " << report.problems.size() << " problems\n";
  return report.problems.empty() && report.pairsChecked > 0 ? 0 : 1;
}
