// The typed names of the heat-loss calculators' controls: the cylinder panel, the fluid's
// inputs of pipe flow, the flat panel and the selection panel 作業選択. Their control tables are
// in operations/heatloss (HeatLossPanels.cpp and the calculators' own files).
// An identifier names a control by its meaning; its objectName stays the
// window's own (the scenario driver and the tests use those). The names of
// every subsystem stand here in operations/common, below the subsystems and
// the field catalogue (operations/hints), so that any of them can name any
// control.
#pragma once

#include "widgets/ControlTable.h"

// clang-format off
namespace Cylinder {
inline constexpr Control Panel{"Panel5"};                       // the cylinder panel: heater, cylinder, pipe flow
inline constexpr Control Buttons{"Panel6"};                     // its 実行, 保存, 戻る
inline constexpr Control Run{"Button1"};                        // 実行
inline constexpr Control Save{"Button6"};                       // 保存
inline constexpr Control Back{"Button5"};                       // 戻る
inline constexpr Control Title{"Label36"};
inline constexpr Control Column1Caption{"Label9"};              // 発熱線 / 内側温度
inline constexpr Control Layer1Caption{"Label10"};              // MgO層 / 構造材
inline constexpr Control Layer2Caption{"Label11"};              // ステンレス層 / 保温材
inline constexpr Control AmbientCaption{"Label12"};
inline constexpr Control OuterRowCaption{"Label1"};             // 層外側温度
inline constexpr Control Layer1Outer{"Edit1"};                  // layer 1's outer face, ℃
inline constexpr Control Surface{"Edit2"};                      // layer 2's outer face: the surface, ℃
inline constexpr Control Ambient{"Edit3"};                      // 外気温度 ℃
inline constexpr Control InnerRowCaption{"Label2"};             // 層内側温度
inline constexpr Control FluidInlet{"Edit70"};                  // pipe flow: the fluid's inlet temperature, ℃
inline constexpr Control Layer1Inner{"Edit4"};                  // layer 1's inner face: the inner temperature (the heater: the wire's), ℃
inline constexpr Control Layer2Inner{"Edit21"};                 // layer 2's inner face, ℃
inline constexpr Control ConductivityRowCaption{"Label3"};
inline constexpr Control Layer1Conductivity{"Edit6"};           // W/m℃
inline constexpr Control Layer2Conductivity{"Edit7"};           // W/m℃
inline constexpr Control PowerRowCaption{"Label4"};
inline constexpr Control Power{"Edit8"};                        // 熱量 W
inline constexpr Control DiameterRowCaption{"Label5"};
inline constexpr Control WireDiameter{"Edit9"};                 // the heater's wire, mm
inline constexpr Control Layer1Diameter{"Edit10"};              // mm
inline constexpr Control Layer2Diameter{"Edit11"};              // mm, from layer 1's diameter and layer 2's thickness
inline constexpr Control ThicknessRowCaption{"Label6"};
inline constexpr Control Layer1Thickness{"Edit34"};             // mm
inline constexpr Control Layer2Thickness{"Edit12"};             // mm: the insulation
inline constexpr Control LengthRowCaption{"Label7"};
inline constexpr Control Length{"Edit13"};                      // m
inline constexpr Control FluxCaption{"Label8"};                 // 伝熱密度 W/cm2 (the heater)
inline constexpr Control FluidEndCaption{"Label63"};            // Xm点温度℃ (pipe flow)
inline constexpr Control FluxOrFluidEnd{"Edit14"};              // the heater's flux density, or pipe flow's fluid at the end
inline constexpr Control TogglePipeFlow{"Button67"};            // 切り替え: the cylinder or pipe flow
inline constexpr Control PipeFlowRun{"Button69"};               // pipe flow's 放 熱 / 加 熱, the direction of its last run
}  // namespace Cylinder

namespace PipeFlow {
inline constexpr Control Panel{"Panel20"};                    // the fluid's inputs over the cylinder panel's air column
inline constexpr Control DensityCaption{"Label98"};
inline constexpr Control Density{"Edit65"};                   // g/cm3
inline constexpr Control SpecificHeatCaption{"Label99"};
inline constexpr Control SpecificHeat{"Edit64"};              // kcal/kg℃
inline constexpr Control InnerDiameterCaption{"Label100"};
inline constexpr Control InnerDiameter{"Edit66"};             // m
inline constexpr Control FlowCaption{"Label101"};
inline constexpr Control Flow{"Edit67"};                      // m3/h
inline constexpr Control AmbientCaption{"Label64"};
inline constexpr Control Ambient{"Edit68"};                   // ℃
}  // namespace PipeFlow

namespace Flat {
inline constexpr Control Panel{"Panel9"};                       // the flat panel: flat plate, flat wall
inline constexpr Control Buttons{"Panel8"};                     // its 実行, 保存, 戻る
inline constexpr Control Run{"Button15"};                       // 実行
inline constexpr Control Save{"Button16"};                      // 保存
inline constexpr Control Back{"Button17"};                      // 戻る
inline constexpr Control Title{"Label37"};
inline constexpr Control HotGasCaption{"Label29"};              // 高温内気 (the flat wall)
inline constexpr Control StructureCaption{"Label26"};           // 構造材
inline constexpr Control InsulationCaption{"Label27"};          // 保温材
inline constexpr Control AmbientCaption{"Label28"};
inline constexpr Control AreaCaption{"Label20"};
inline constexpr Control Area{"Edit5"};                         // m2
inline constexpr Control Ambient{"Edit25"};                     // ℃
inline constexpr Control OuterRowCaption{"Label21"};
inline constexpr Control StructureOuter{"Edit23"};              // ℃
inline constexpr Control Surface{"Edit24"};                     // the insulation's outer face, ℃
inline constexpr Control InnerRowCaption{"Label22"};
inline constexpr Control HotGas{"Edit26"};                      // the flat wall's hot gas, ℃
inline constexpr Control CoolingStartCaption{"Label72"};        // 放熱開始時温度 (cooling)
inline constexpr Control StructureInner{"Edit27"};              // ℃
inline constexpr Control InsulationInner{"Edit28"};             // ℃
inline constexpr Control ConductivityRowCaption{"Label23"};
inline constexpr Control StructureConductivity{"Edit29"};       // W/m℃
inline constexpr Control InsulationConductivity{"Edit30"};      // W/m℃
inline constexpr Control ThicknessRowCaption{"Label24"};
inline constexpr Control StructureThickness{"Edit31"};          // mm
inline constexpr Control InsulationThickness{"Edit32"};         // mm
inline constexpr Control FluxCaption{"Label25"};
inline constexpr Control Flux{"Edit33"};                        // W/cm2
inline constexpr Control CoolingMode{"Button71"};               // 定温放熱 / 自然放熱
inline constexpr Control Faces{"Label30"};                      // 片面のみ / 両面からの放熱
inline constexpr Control DensityCaption{"Label68"};
inline constexpr Control Density{"Edit73"};                     // g/cm3 (cooling)
inline constexpr Control SpecificHeatCaption{"Label69"};
inline constexpr Control SpecificHeat{"Edit74"};                // kcal/kg℃ (cooling)
inline constexpr Control HoursCaption{"Label70"};
inline constexpr Control Hours{"Edit75"};                       // h (cooling)
inline constexpr Control AfterHoursCaption{"Label71"};
inline constexpr Control AfterHours{"Edit76"};                  // the plate after the hours, ℃
}  // namespace Flat

namespace Selection {
inline constexpr Control Panel{"Panel10"};         // 作業選択 of the heat-loss calculators
inline constexpr Control FlatPlate{"Button12"};    // 平板放熱
inline constexpr Control FlatWall{"Button11"};     // 平板熱通過
inline constexpr Control Cylinder{"Button7"};      // 円筒の放熱
inline constexpr Control Heater{"Button8"};        // ヒーター温度
}  // namespace Selection

// clang-format on
