// Vardeln — MIT licence, see LICENSE.
// The mass category: base unit the kilogram, 38 units.

#include "constants.h"
#include "tables/tables.h"

namespace vardeln {

const Category& massCategory() {
  // clang-format off
  static const Category category(
      {"mass", "massMenu", "&Mass", "Kilogram"},
      {
      // label               to base: B = f(x)                                                                            from base: result = g(B)
      {"Arroba",              [](double x) { return (((((x * 0.25) * 1.97) * 4) * 2) * 14) * PoundInKilograms; },          [](double b) { return b / (PoundInKilograms * 55.16); }},
      {"Atomic Mass Unit",    [](double x) { return x * 1.66053873e-27; },                                                 [](double b) { return b / 1.66053873e-27; }},
      {"Bale Imperial",       [](double x) { return (x * 720) * PoundInKilograms; },                                       [](double b) { return b / (PoundInKilograms * 720); }},
      {"Bale US",             [](double x) { return (x * 480) * PoundInKilograms; },                                       [](double b) { return b / (PoundInKilograms * 480); }},
      {"Candy",               [](double x) { return (x * 784) * PoundInKilograms; },                                       [](double b) { return b / (PoundInKilograms * 784); }},
      {"Carat",               [](double x) { return (x * 4) * 0.00648; },                                                  [](double b) { return b / 0.02592; }},
      {"Carat Metric",        [](double x) { return x * 0.0002; },                                                         [](double b) { return b / 0.0002; }},
      {"Chawal",              [](double x) { return (x * 0.0001215) / 8; },                                                [](double b) { return b / (0.0001215 / 8); }},
      {"Chhatank",            [](double x) { return (((x * 5) * 12) * 8) * 0.0001215; },                                   [](double b) { return b / 0.05832; }},
      {"Clove",               [](double x) { return (x * 7) * PoundInKilograms; },                                         [](double b) { return b / (PoundInKilograms * 7); }},
      {"Crith",               [](double x) { return x * 8.9885e-05; },                                                     [](double b) { return b / 8.9885e-05; }},
      {"Dalton",              [](double x) { return x * 1.66053873e-27; },                                                 [](double b) { return b / 1.66053873e-27; }},
      {"Drams",               [](double x) { return (x * PoundInKilograms) / 256; },                                       [](double b) { return b / (PoundInKilograms / 256); }},
      {"Electron Mass",       [](double x) { return x * 9.109382e-31; },                                                   [](double b) { return b / 9.109382e-31; }},
      {"Gamma",               [](double x) { return (x * 0.001) * 1e-06; },                                                [](double b) { return b / 1e-09; }},
      {"Grain",               [](double x) { return x * 0.00648; },                                                        [](double b) { return b / 0.00648; }},
      {"Gram",                [](double x) { return x * 0.001; },                                                          [](double b) { return b / 0.001; }},
      {"Hundred Weight",      [](double x) { return (((x * 4) * 2) * 14) * PoundInKilograms; },                            [](double b) { return b / (PoundInKilograms * 112); }},
      {"Jupiter",             [](double x) { return x * 1.899e+27; },                                                      [](double b) { return b / 1.899e+27; }},
      {"Kilogram",            [](double x) { return x; },                                                                  [](double b) { return b; }},
      {"Kip",                 [](double x) { return (x * PoundInKilograms) * 1000; },                                      [](double b) { return b / (PoundInKilograms * 1000); }},
      {"Long Ton",            [](double x) { return ((((x * 20) * 4) * 2) * 14) * PoundInKilograms; },                     [](double b) { return b / (PoundInKilograms * 2240); }},
      {"Masha",               [](double x) { return (x * 8) * 0.0001215; },                                                [](double b) { return b / 0.000972; }},
      {"Maund",               [](double x) { return ((((((x * 40) * 4) * 4) * 5) * 12) * 8) * 0.0001215; },                [](double b) { return b / (307200 * 0.0001215); }},
      {"Metric Ton",          [](double x) { return x * 1000; },                                                           [](double b) { return b / 1000; }},
      {"Miligram",            [](double x) { return x / 10000; },                                                          [](double b) { return b * 10000; }},
      {"Ounce",               [](double x) { return (x * PoundInKilograms) / 16; },                                        [](double b) { return b / (PoundInKilograms / 16); }},
      {"Pao",                 [](double x) { return ((((x * 4) * 5) * 12) * 8) * 0.0001215; },                             [](double b) { return b / 0.23328; }},
      {"Pound",               [](double x) { return x * PoundInKilograms; },                                               [](double b) { return b / PoundInKilograms; }},
      {"Quarter",             [](double x) { return (x * 28) * PoundInKilograms; },                                        [](double b) { return b / (PoundInKilograms * 28); }},
      {"Quintal",             [](double x) { return ((((x * 1.97) * 4) * 2) * 14) * PoundInKilograms; },                   [](double b) { return b / (PoundInKilograms * 220.64); }},
      {"Rotl-Arratel-Artel",  [](double x) { return (x * 1.15) * PoundInKilograms; },                                      [](double b) { return b / (PoundInKilograms * 1.15); }},
      {"Rutti",               [](double x) { return x * 0.0001215; },                                                      [](double b) { return b / 0.0001215; }},
      {"Seer",                [](double x) { return (((((x * 4) * 4) * 5) * 12) * 8) * 0.0001215; },                       [](double b) { return b / 0.93312; }},
      {"Short Ton",           [](double x) { return (x * 2000) * PoundInKilograms; },                                      [](double b) { return b / (PoundInKilograms * 2000); }},
      {"Solar Mass",          [](double x) { return x * 1.9891e+30; },                                                     [](double b) { return b / 1.9891e+30; }},
      {"Stone",               [](double x) { return (x * 14) * PoundInKilograms; },                                        [](double b) { return b / (PoundInKilograms * 14); }},
      {"Tola",                [](double x) { return ((x * 12) * 8) * 0.0001215; },                                         [](double b) { return b / 0.011664; }},
      },
      // test order
      {
        "Chawal", "Chhatank", "Drams", "Grain", "Gram", "Hundred Weight", "Kilogram", "Long Ton",
        "Masha", "Maund", "Metric Ton", "Miligram", "Ounce", "Pao", "Pound", "Quarter", "Quintal",
        "Rutti", "Seer", "Short Ton", "Stone", "Tola", "Rotl-Arratel-Artel", "Arroba",
        "Atomic Mass Unit", "Bale US", "Bale Imperial", "Candy", "Carat", "Carat Metric", "Clove",
        "Crith", "Dalton", "Electron Mass", "Gamma", "Jupiter", "Kip", "Solar Mass"
      });
  // clang-format on
  return category;
}

}  // namespace vardeln
