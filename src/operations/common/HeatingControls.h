// The typed names of the heating panel's controls. Its control table is in
// operations/heating/HeatingLayout.cpp.
// An identifier names a control by its meaning; its objectName stays the
// window's own (the scenario driver and the tests use those). The names of
// every subsystem stand here in operations/common, below the subsystems and
// the field catalogue (operations/hints), so that any of them can name any
// control.
#pragma once

#include "widgets/ControlTable.h"

// clang-format off
namespace Heating {
inline constexpr Control Panel{"Panel14"};                             // the heating panel
inline constexpr Control Commands{"Panel13"};                          // its 作業選択 and buttons
inline constexpr Control Title{"Label52"};                             // 液体の加熱 / 気体の加熱 / 固体の加熱
inline constexpr Control HeightCaption{"Label39"};
inline constexpr Control Height{"Edit35"};                             // 縦 m
inline constexpr Control WidthCaption{"Label48"};
inline constexpr Control Width{"Edit36"};                              // 横 m
inline constexpr Control DepthCaption{"Label49"};
inline constexpr Control Depth{"Edit37"};                              // 奥行き m
inline constexpr Control VolumeCaption{"Label40"};                     // press: the mass instead
inline constexpr Control Volume{"Edit49"};                             // m3
inline constexpr Control Mass{"Edit54"};                               // kg
inline constexpr Control MassUnit{"Label61"};
inline constexpr Control WallThicknessCaption{"Label41"};
inline constexpr Control WallThickness{"Edit38"};                      // 容器 厚さ mm
inline constexpr Control InsulationThicknessCaption{"Label42"};
inline constexpr Control InsulationThickness{"Edit39"};                // 断熱材厚さ mm
inline constexpr Control AmbientCaption{"Label43"};                    // 外気温度 / 壁面温度
inline constexpr Control Ambient{"Edit40"};                            // ℃; wall heating: the wall
inline constexpr Control BeforeCaption{"Label44"};
inline constexpr Control Before{"Edit41"};                             // 加熱前温度 ℃
inline constexpr Control AfterCaption{"Label45"};
inline constexpr Control After{"Edit42"};                              // 加熱後温度 ℃
inline constexpr Control RiseTimeCaption{"Label47"};
inline constexpr Control RiseTime{"Edit43"};                           // 上昇時間 h
inline constexpr Control ContentDensityCaption{"Label50"};
inline constexpr Control ContentDensity{"Edit44"};                     // g/cm3
inline constexpr Control ContentHeatCaption{"Label51"};
inline constexpr Control ContentHeat{"Edit45"};                        // kcal/kg℃
inline constexpr Control ContainerDensityCaption{"Label57"};
inline constexpr Control ContainerDensity{"Edit50"};                   // g/cm3
inline constexpr Control ContainerHeatCaption{"Label58"};
inline constexpr Control ContainerHeat{"Edit51"};                      // kcal/kg℃
inline constexpr Control WallConductivityCaption{"Label60"};
inline constexpr Control WallConductivity{"Edit53"};                   // 容器λ W/m℃
inline constexpr Control InsulationConductivityCaption{"Label59"};
inline constexpr Control InsulationConductivity{"Edit52"};             // 断熱材λ W/m℃
inline constexpr Control ContentOnlyCaption{"Label33"};
inline constexpr Control ContentOnly{"Edit55"};                        // the contents' power alone, W
inline constexpr Control LidCaption{"Label46"};
inline constexpr Control WithLid{"RadioButton1"};                      // 有
inline constexpr Control WithoutLid{"RadioButton2"};                   // 無
inline constexpr Control ModeGroup{"GroupBox1"};                       // heater or wall heating
inline constexpr Control HeaterMode{"RadioButton3"};                   // ヒーター加熱
inline constexpr Control WallMode{"RadioButton4"};                     // 壁面加熱
inline constexpr Control PowerCaption{"Label53"};
inline constexpr Control ConvectionOnlyCaption{"Label77"};
inline constexpr Control Result1{"Edit46"};                            // 必要熱量 W / 対流のみによる温度 ℃
inline constexpr Control LossShareCaption{"Label54"};
inline constexpr Control RadiationOnlyCaption{"Label78"};
inline constexpr Control Result2{"Edit47"};                            // 放熱損失 % / 放射のみによる温度 ℃
inline constexpr Control FinalLossCaption{"Label55"};
inline constexpr Control BothCaption{"Label79"};
inline constexpr Control Result3{"Edit48"};                            // 加熱後温度での放熱 W / 双方による温度 ℃
inline constexpr Control Liquid{"Button31"};                           // 液体の加熱
inline constexpr Control Gas{"Button32"};                              // 気体の加熱
inline constexpr Control Solid{"Button33"};                            // 固体の加熱
inline constexpr Control Run{"Button34"};                              // 実行
inline constexpr Control Save{"Button35"};                             // 保存
inline constexpr Control Back{"Button36"};                             // 戻る
inline constexpr Control FemSheet{"Button73"};                         // 要素法: the finite-element sheet
inline constexpr Control FemRun{"Button83"};                           // its 実行
}  // namespace Heating

// clang-format on
