// The fin, layered-wall and scale entries 201 to 205 (and the fin-only
// number 200): their results go into column 3 of the item grid, each under a
// caption written into column 2.
#pragma once

#include <QString>
#include <initializer_list>
#include <utility>

class ItemGrid;
class Form;

class FinWallEvaluation {
 public:
  FinWallEvaluation(Form& form, ItemGrid& grid);

  // Entry 201: with a tube diameter in (1,5) the fin thickness and pitch are
  // asked for; without one their captions and values are emptied.
  void ApplyTubeDiameterRule();

  // Evaluates the entry whose number equals the text; other texts do nothing.
  void Evaluate(const QString& number);

  // Number 200: m and H of the fin in rows 0 to 4, nothing else.
  void EvaluateFinOnly();

 private:
  void FinCoefficient201();
  void FinTemperature202();
  void LayeredWall203();
  void LayeredCylinder204();
  void Scale205();
  void WriteResults(std::initializer_list<std::pair<int, QString>> rows,
                    std::initializer_list<const char*> captions);

  Form& f;
  ItemGrid& grid_;
};
