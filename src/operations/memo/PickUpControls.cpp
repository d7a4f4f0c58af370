#include "operations/memo/PickUpControls.h"

#include <iterator>

#include "operations/common/HeatLossControls.h"
#include "operations/common/HeatingControls.h"
#include "operations/common/WindowControls.h"

namespace PickUpControls {

namespace {
// clang-format off
constexpr Control kLabels[] = {
  // surface model (Panel4)
  {Surface::StefanBoltzmannCaption, Surface::Panel}, {Surface::EmissivityCaption, Surface::Panel}, {Surface::CoefficientCaption, Surface::Panel}, {Surface::ConvectiveLossCaption, Surface::Panel},
  {Surface::RadiativeLossCaption, Surface::Panel}, {Surface::TotalLossCaption, Surface::Panel},
  // flat plate and flat wall (Panel9)
  {Flat::AreaCaption, Flat::Panel}, {Flat::OuterRowCaption, Flat::Panel}, {Flat::InnerRowCaption, Flat::Panel}, {Flat::ConductivityRowCaption, Flat::Panel},
  {Flat::ThicknessRowCaption, Flat::Panel}, {Flat::FluxCaption, Flat::Panel}, {Flat::StructureCaption, Flat::Panel}, {Flat::InsulationCaption, Flat::Panel},
  {Flat::AmbientCaption, Flat::Panel}, {Flat::HotGasCaption, Flat::Panel}, {Flat::Faces, Flat::Panel},
  // heater and cylinder (Panel5)
  {Cylinder::OuterRowCaption, Cylinder::Panel}, {Cylinder::InnerRowCaption, Cylinder::Panel}, {Cylinder::ConductivityRowCaption, Cylinder::Panel}, {Cylinder::PowerRowCaption, Cylinder::Panel},
  {Cylinder::DiameterRowCaption, Cylinder::Panel}, {Cylinder::ThicknessRowCaption, Cylinder::Panel}, {Cylinder::LengthRowCaption, Cylinder::Panel}, {Cylinder::FluxCaption, Cylinder::Panel},
  {Cylinder::Column1Caption, Cylinder::Panel}, {Cylinder::Layer1Caption, Cylinder::Panel}, {Cylinder::Layer2Caption, Cylinder::Panel}, {Cylinder::AmbientCaption, Cylinder::Panel},
  // container heating (Panel14)
  {Heating::ContentOnlyCaption, Heating::Panel}, {Heating::HeightCaption, Heating::Panel}, {Heating::VolumeCaption, Heating::Panel}, {Heating::WallThicknessCaption, Heating::Panel},
  {Heating::InsulationThicknessCaption, Heating::Panel}, {Heating::AmbientCaption, Heating::Panel}, {Heating::BeforeCaption, Heating::Panel}, {Heating::AfterCaption, Heating::Panel},
  {Heating::LidCaption, Heating::Panel}, {Heating::RiseTimeCaption, Heating::Panel}, {Heating::WidthCaption, Heating::Panel}, {Heating::DepthCaption, Heating::Panel},
  {Heating::ContentDensityCaption, Heating::Panel}, {Heating::ContentHeatCaption, Heating::Panel}, {Heating::PowerCaption, Heating::Panel}, {Heating::LossShareCaption, Heating::Panel},
  {Heating::FinalLossCaption, Heating::Panel}, {Heating::ContainerDensityCaption, Heating::Panel}, {Heating::ContainerHeatCaption, Heating::Panel}, {Heating::InsulationConductivityCaption, Heating::Panel},
  {Heating::WallConductivityCaption, Heating::Panel},
};

constexpr Control kFields[] = {
  // surface model (Panel4)
  {Surface::StefanBoltzmann, Surface::Panel}, {Surface::Emissivity, Surface::Panel}, {Surface::Coefficient, Surface::Panel}, {Surface::ConvectiveLoss, Surface::Panel},
  {Surface::RadiativeLoss, Surface::Panel}, {Surface::TotalLoss, Surface::Panel},
  // flat plate and flat wall (Panel9)
  {Flat::Area, Flat::Panel}, {Flat::StructureOuter, Flat::Panel}, {Flat::Surface, Flat::Panel}, {Flat::Ambient, Flat::Panel},
  {Flat::HotGas, Flat::Panel}, {Flat::StructureInner, Flat::Panel}, {Flat::InsulationInner, Flat::Panel}, {Flat::StructureConductivity, Flat::Panel},
  {Flat::InsulationConductivity, Flat::Panel}, {Flat::StructureThickness, Flat::Panel}, {Flat::InsulationThickness, Flat::Panel}, {Flat::Flux, Flat::Panel},
  {Flat::AfterHours, Flat::Panel},
  // heater and cylinder (Panel5)
  {Cylinder::Layer1Outer, Cylinder::Panel}, {Cylinder::Surface, Cylinder::Panel}, {Cylinder::Layer1Inner, Cylinder::Panel}, {Cylinder::Layer1Conductivity, Cylinder::Panel},
  {Cylinder::Layer2Conductivity, Cylinder::Panel}, {Cylinder::Power, Cylinder::Panel}, {Cylinder::WireDiameter, Cylinder::Panel}, {Cylinder::Layer1Diameter, Cylinder::Panel},
  {Cylinder::Layer2Diameter, Cylinder::Panel}, {Cylinder::Layer2Thickness, Cylinder::Panel}, {Cylinder::Length, Cylinder::Panel}, {Cylinder::FluxOrFluidEnd, Cylinder::Panel},
  {Cylinder::Layer2Inner, Cylinder::Panel}, {Cylinder::Layer1Thickness, Cylinder::Panel},
  // container heating (Panel14)
  {Heating::Height, Heating::Panel}, {Heating::Width, Heating::Panel}, {Heating::Depth, Heating::Panel}, {Heating::WallThickness, Heating::Panel},
  {Heating::InsulationThickness, Heating::Panel}, {Heating::Ambient, Heating::Panel}, {Heating::Before, Heating::Panel}, {Heating::After, Heating::Panel},
  {Heating::RiseTime, Heating::Panel}, {Heating::ContentDensity, Heating::Panel}, {Heating::ContentHeat, Heating::Panel}, {Heating::Result1, Heating::Panel},
  {Heating::Result2, Heating::Panel}, {Heating::Result3, Heating::Panel}, {Heating::ContainerDensity, Heating::Panel}, {Heating::ContainerHeat, Heating::Panel},
  {Heating::InsulationConductivity, Heating::Panel}, {Heating::WallConductivity, Heating::Panel}, {Heating::Mass, Heating::Panel}, {Heating::ContentOnly, Heating::Panel},
};
// clang-format on

static_assert(std::size(kLabels) == 50);
static_assert(std::size(kFields) == 53);
}  // namespace

std::span<const Control> Labels() { return kLabels; }
std::span<const Control> Fields() { return kFields; }

}  // namespace PickUpControls
