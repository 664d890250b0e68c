<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>AboutDialog</name>
    <message>
        <source>关于 vesk</source>
        <translation>About vesk</translation>
    </message>
    <message>
        <source>vesk 1.0 版</source>
        <translation>vesk version 1.0</translation>
    </message>
    <message>
        <source>版权所有 (C) 2026 vesk</source>
        <translation>Copyright (C) 2026 vesk</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>CFieldDemoDialog</name>
    <message>
        <source>第 %1 步，ωt = %2°。U 相 %3，V 相 %4，W 相 %5。合成磁动势指向 %6°（从 U 相轴线逆时针量起）。</source>
        <translation>Step %1, ωt = %2°. Phase U %3, V %4, W %5. The resultant MMF points at %6°, counter-clockwise from the axis of U.</translation>
    </message>
    <message>
        <source>语言(&amp;L)</source>
        <translation>&amp;Language</translation>
    </message>
    <message>
        <source>配色(&amp;P)</source>
        <translation>&amp;Colours</translation>
    </message>
    <message>
        <source>标准</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>色盲友好</source>
        <translation>Colour-blind safe</translation>
    </message>
    <message>
        <source>放大(&amp;Z)</source>
        <translation>&amp;Zoom</translation>
    </message>
    <message>
        <source>新的大小在 vesk 下次启动时生效。</source>
        <translation>The new size applies the next time vesk starts.</translation>
    </message>
</context>
<context>
    <name>Explorer</name>
    <message>
        <source>气隙磁动势</source>
        <translation>Air-gap MMF</translation>
    </message>
    <message>
        <source>阶梯波</source>
        <translation>stepped wave</translation>
    </message>
    <message>
        <source>基波</source>
        <translation>fundamental</translation>
    </message>
    <message>
        <source>绕组电流</source>
        <translation>Winding currents</translation>
    </message>
    <message>
        <source>单相（仅U相）</source>
        <translation>single phase, U only</translation>
    </message>
    <message>
        <source>正序</source>
        <translation>positive</translation>
    </message>
    <message>
        <source>负序</source>
        <translation>negative</translation>
    </message>
    <message>
        <source>逆时针</source>
        <translation>counter-clockwise</translation>
    </message>
    <message>
        <source>顺时针</source>
        <translation>clockwise</translation>
    </message>
    <message>
        <source>脉振</source>
        <translation>pulsating</translation>
    </message>
    <message>
        <source>无</source>
        <translation>None</translation>
    </message>
    <message>
        <source>读数</source>
        <translation>Readouts</translation>
    </message>
    <message>
        <source>电角度 θ</source>
        <translation>Angle θ</translation>
    </message>
    <message>
        <source>电流 iU</source>
        <translation>Current iU</translation>
    </message>
    <message>
        <source>电流 iV</source>
        <translation>Current iV</translation>
    </message>
    <message>
        <source>电流 iW</source>
        <translation>Current iW</translation>
    </message>
    <message>
        <source>合成 |F|</source>
        <translation>Resultant |F|</translation>
    </message>
    <message>
        <source>正转分量 |F+|</source>
        <translation>Positive-seq. |F+|</translation>
    </message>
    <message>
        <source>反转分量 |F−|</source>
        <translation>Negative-seq. |F−|</translation>
    </message>
    <message>
        <source>不平衡度 |F−|/|F+|</source>
        <translation>Unbalance |F−|/|F+|</translation>
    </message>
    <message>
        <source>转向</source>
        <translation>Rotation</translation>
    </message>
    <message>
        <source>幅值 A</source>
        <translation>Amplitude A</translation>
    </message>
    <message>
        <source>偏移 δ</source>
        <translation>Offset δ</translation>
    </message>
    <message>
        <source>定子电流与磁动势</source>
        <translation>Stator currents and MMF</translation>
    </message>
    <message>
        <source>断U相，无中线</source>
        <translation>U open, no neutral</translation>
    </message>
    <message>
        <source>断V相，无中线</source>
        <translation>V open, no neutral</translation>
    </message>
    <message>
        <source>断W相，无中线</source>
        <translation>W open, no neutral</translation>
    </message>
    <message>
        <source>断U相，带中线</source>
        <translation>U open, with neutral</translation>
    </message>
    <message>
        <source>断V相，带中线</source>
        <translation>V open, with neutral</translation>
    </message>
    <message>
        <source>断W相，带中线</source>
        <translation>W open, with neutral</translation>
    </message>
    <message>
        <source>相序</source>
        <translation>Sequence</translation>
    </message>
    <message>
        <source>断相</source>
        <translation>Open phase</translation>
    </message>
</context>
<context>
    <name>ExplorerWindow</name>
    <message>
        <source>探索</source>
        <translation>Explorer</translation>
    </message>
    <message>
        <source>探索 (Explorer): reversed, open and unbalanced phases</source>
        <translation>Explorer: reversed, open and unbalanced phases</translation>
    </message>
    <message>
        <source>画面 (Picture): the stator, the currents, the air-gap MMF and the readouts</source>
        <translation>Picture: the stator, the currents, the air-gap MMF and the readouts</translation>
    </message>
    <message>
        <source>供电</source>
        <translation>Supply</translation>
    </message>
    <message>
        <source>供电 (Supply)</source>
        <translation>Supply</translation>
    </message>
    <message>
        <source>预设(&amp;T)</source>
        <translation>Pre&amp;set</translation>
    </message>
    <message>
        <source>预设 (Preset): balanced, reversed, open U (star, no neutral), open U with neutral, single phase, unbalanced 1 / 0.4 / 0.7; custom once a value is changed</source>
        <translation>Preset: balanced, reversed, open U (star, no neutral), open U with neutral, single phase, unbalanced 1 / 0.4 / 0.7; custom once a value is changed</translation>
    </message>
    <message>
        <source>平衡</source>
        <translation>Balanced</translation>
    </message>
    <message>
        <source>反相序</source>
        <translation>Reversed</translation>
    </message>
    <message>
        <source>断U相</source>
        <translation>Open U</translation>
    </message>
    <message>
        <source>断U相带中线</source>
        <translation>Open U with neutral</translation>
    </message>
    <message>
        <source>单相</source>
        <translation>Single phase</translation>
    </message>
    <message>
        <source>不平衡</source>
        <translation>Unbalanced</translation>
    </message>
    <message>
        <source>自定义</source>
        <translation>Custom</translation>
    </message>
    <message>
        <source>幅值</source>
        <translation>Amplitude</translation>
    </message>
    <message>
        <source>幅值 (Amplitude): 1 is the balanced peak</source>
        <translation>Amplitude: 1 is the balanced peak</translation>
    </message>
    <message>
        <source>偏移</source>
        <translation>Offset</translation>
    </message>
    <message>
        <source>偏移 (Offset) in degrees</source>
        <translation>Offset in degrees</translation>
    </message>
    <message>
        <source>U相</source>
        <translation>Phase U</translation>
    </message>
    <message>
        <source>U相幅值 (Amplitude of U): 0.00 to 2.00</source>
        <translation>Amplitude of U: 0.00 to 2.00</translation>
    </message>
    <message>
        <source>U相偏移 (Offset of U): -180° to 180°</source>
        <translation>Offset of U: -180° to 180°</translation>
    </message>
    <message>
        <source>V相</source>
        <translation>Phase V</translation>
    </message>
    <message>
        <source>V相幅值 (Amplitude of V): 0.00 to 2.00</source>
        <translation>Amplitude of V: 0.00 to 2.00</translation>
    </message>
    <message>
        <source>V相偏移 (Offset of V): -180° to 180°</source>
        <translation>Offset of V: -180° to 180°</translation>
    </message>
    <message>
        <source>W相</source>
        <translation>Phase W</translation>
    </message>
    <message>
        <source>W相幅值 (Amplitude of W): 0.00 to 2.00</source>
        <translation>Amplitude of W: 0.00 to 2.00</translation>
    </message>
    <message>
        <source>W相偏移 (Offset of W): -180° to 180°</source>
        <translation>Offset of W: -180° to 180°</translation>
    </message>
    <message>
        <source>相序(&amp;Q)</source>
        <translation>Se&amp;quence</translation>
    </message>
    <message>
        <source>相序 (Sequence): positive, V 120° behind U; negative, V 240° behind U</source>
        <translation>Sequence: positive, V 120° behind U; negative, V 240° behind U</translation>
    </message>
    <message>
        <source>正序</source>
        <translation>Positive</translation>
    </message>
    <message>
        <source>负序</source>
        <translation>Negative</translation>
    </message>
    <message>
        <source>断相(&amp;O)</source>
        <translation>&amp;Open phase</translation>
    </message>
    <message>
        <source>断相 (Open phase): none, U, V or W</source>
        <translation>Open phase: none, U, V or W</translation>
    </message>
    <message>
        <source>无</source>
        <translation>None</translation>
    </message>
    <message>
        <source>带中线(&amp;L)</source>
        <translation>Neutra&amp;l</translation>
    </message>
    <message>
        <source>带中线 (Neutral): with an open phase, the star point is joined to the neutral</source>
        <translation>Neutral: with an open phase, the star point is joined to the neutral</translation>
    </message>
    <message>
        <source>单相供电，仅U相(&amp;G)</source>
        <translation>Sin&amp;gle phase, U only</translation>
    </message>
    <message>
        <source>单相 (Single phase): winding U alone is fed</source>
        <translation>Single phase: winding U alone is fed</translation>
    </message>
    <message>
        <source>步进</source>
        <translation>Steps</translation>
    </message>
    <message>
        <source>步进 (Steps): one period, 10° a step</source>
        <translation>Steps: one period, 10° a step</translation>
    </message>
    <message>
        <source>播放(&amp;P)</source>
        <translation>&amp;Play</translation>
    </message>
    <message>
        <source>播放/暂停 (Play/Pause, Space): carries on from the step shown</source>
        <translation>Play/Pause (Space): carries on from the step shown</translation>
    </message>
    <message>
        <source>上一步(&amp;B)</source>
        <translation>&amp;Back</translation>
    </message>
    <message>
        <source>上一步 (Previous, Left arrow): 0 goes round to 35</source>
        <translation>Previous (Left arrow): 0 goes round to 35</translation>
    </message>
    <message>
        <source>下一步(&amp;N)</source>
        <translation>&amp;Next</translation>
    </message>
    <message>
        <source>下一步 (Next, Right arrow): 35 goes round to 0</source>
        <translation>Next (Right arrow): 35 goes round to 0</translation>
    </message>
    <message>
        <source>重置(&amp;R)</source>
        <translation>&amp;Reset</translation>
    </message>
    <message>
        <source>重置 (Reset): back to step 0</source>
        <translation>Reset: back to step 0</translation>
    </message>
    <message>
        <source>角度(&amp;A)</source>
        <translation>&amp;Angle</translation>
    </message>
    <message>
        <source>角度 (Angle): any step, 0° to 350°</source>
        <translation>Angle: any step, 0° to 350°</translation>
    </message>
    <message>
        <source>速度(&amp;D)</source>
        <translation>Spee&amp;d</translation>
    </message>
    <message>
        <source>速度 (Speed): milliseconds per step, 50 to 1000</source>
        <translation>Speed: milliseconds per step, 50 to 1000</translation>
    </message>
    <message>
        <source> ms/步</source>
        <translation> ms/step</translation>
    </message>
    <message>
        <source>推导</source>
        <translation>Derivation</translation>
    </message>
    <message>
        <source>推导 (Derivation) of the rotating field, in the picture&apos;s conventions</source>
        <translation>Derivation of the rotating field, in the picture&apos;s conventions</translation>
    </message>
    <message>
        <source>约定：α 从U相轴线逆时针量起，Fp 为单相磁动势的幅值，θ=ωt；各相轴线 αU=0°，αV=120°，αW=240°。</source>
        <translation>Conventions: α is measured counter-clockwise from the axis of U; Fp is the peak MMF of one phase; θ=ωt; the axes lie at αU=0°, αV=120°, αW=240°.</translation>
    </message>
    <message>
        <source>三相磁动势之和：</source>
        <translation>The sum of the three phase MMFs:</translation>
    </message>
    <message>
        <source>即合成矢量的X向与Y向分量：</source>
        <translation>that is, the X and Y components of the resultant:</translation>
    </message>
    <message>
        <source>平衡时 iU=cos(ωt)，iV=cos(ωt-120°)，iW=cos(ωt-240°)，得：</source>
        <translation>Balanced, iU=cos(ωt), iV=cos(ωt-120°), iW=cos(ωt-240°), so:</translation>
    </message>
    <message>
        <source>峰值在 α=ωt 处，随 ωt 逆时针旋转。</source>
        <translation>Its peak lies at α=ωt and turns counter-clockwise as ωt grows.</translation>
    </message>
    <message>
        <source>脉振磁动势是两个幅值各半、转向相反的旋转磁动势之和：</source>
        <translation>A pulsating MMF is the sum of two rotating MMFs of half its amplitude, turning opposite ways:</translation>
    </message>
    <message>
        <source>一般地 F=F+·e^(jωt)+F−·e^(−jωt)：F+ 逆时针转，F− 顺时针转，二者首尾相接即合成磁动势。</source>
        <translation>In general F=F+·e^(jωt)+F−·e^(−jωt): F+ turns counter-clockwise, F− clockwise, and tip to tail they make the resultant.</translation>
    </message>
    <message>
        <source>暂停(&amp;P)</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>第 %1 步，θ = %2°。U 相 %3，V 相 %4，W 相 %5。合成磁动势为零。转向：%6。</source>
        <translation>Step %1, θ = %2°. Phase U %3, V %4, W %5. The resultant MMF is zero. Rotation: %6.</translation>
    </message>
    <message>
        <source>第 %1 步，θ = %2°。U 相 %3，V 相 %4，W 相 %5。合成磁动势 %6 Fp，指向 %7°（从 U 相轴线逆时针量起）。转向：%8。</source>
        <translation>Step %1, θ = %2°. Phase U %3, V %4, W %5. The resultant MMF is %6 Fp and points at %7°, counter-clockwise from the axis of U. Rotation: %8.</translation>
    </message>
</context>
<context>
    <name>FieldDemoDialog</name>
    <message>
        <source>三相交流异步电动机定子旋转磁场形成</source>
        <translation>Rotating magnetic field of a three-phase induction motor stator</translation>
    </message>
    <message>
        <source>开始</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>下一步</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>重置</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>停止</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>自动</source>
        <translation>Automatic</translation>
    </message>
    <message>
        <source>单步</source>
        <translation>Step by step</translation>
    </message>
    <message>
        <source>相位角(U相)</source>
        <translation>Angle of U</translation>
    </message>
    <message>
        <source>合成旋转磁动势的幅值为单相最大磁动势幅值的3/2倍。</source>
        <translation>The resultant MMF is 3/2 of the peak MMF of one phase.</translation>
    </message>
    <message>
        <source>旋转频率与电流波形频率一致。</source>
        <translation>One turn per current period.</translation>
    </message>
    <message>
        <source>U相相对幅值:</source>
        <translation>Phase U:</translation>
    </message>
    <message>
        <source>V相相对幅值:</source>
        <translation>Phase V:</translation>
    </message>
    <message>
        <source>W相相对幅值:</source>
        <translation>Phase W:</translation>
    </message>
    <message>
        <source>显示合成磁动势</source>
        <translation>Show resultant</translation>
    </message>
    <message>
        <source>前一步</source>
        <translation>Previous</translation>
    </message>
    <message>
        <source>根据三角函数积化和差公式</source>
        <translation>By the product-to-sum identity</translation>
    </message>
    <message>
        <source>得：F(x,t)=3/2*Fp*cos(ωt-α)</source>
        <translation>Hence: F(x,t)=3/2*Fp*cos(ωt-α)</translation>
    </message>
    <message>
        <source>得：F(y,t)=3/2*Fp*sin(ωt-α)</source>
        <translation>Hence: F(y,t)=3/2*Fp*sin(ωt-α)</translation>
    </message>
    <message>
        <source>同理：[各相磁动势在Y向分解]</source>
        <translation>Likewise: [each phase MMF along Y]</translation>
    </message>
    <message>
        <source>[各相磁动势在X向分解]</source>
        <translation>[Each phase MMF resolved along X]</translation>
    </message>
    <message>
        <source>结论：</source>
        <translation>Conclusion:</translation>
    </message>
    <message>
        <source>三相合成磁动势是一个幅值恒定不变(单相最大磁动势的3/2倍)的圆形旋转磁动势。</source>
        <translation>A circular rotating MMF of constant amplitude: 3/2 of one phase&apos;s peak.</translation>
    </message>
    <message>
        <source>vesk 教学演示</source>
        <translation>vesk teaching demonstration</translation>
    </message>
    <message>
        <source>旋转磁场画面</source>
        <translation>Rotating field picture</translation>
    </message>
    <message>
        <source>定子截面、各相磁动势矢量与合成磁动势、三相电流曲线</source>
        <translation>Stator cross-section, the phase MMF vectors and their resultant, the three phase currents</translation>
    </message>
    <message>
        <source>从第 0 步开始动画，每 200 毫秒前进 10°</source>
        <translation>Starts the animation at step 0, 10° every 200 ms</translation>
    </message>
    <message>
        <source>停止动画并前进 10°，第 72 步之后回到第 0 步</source>
        <translation>Stops the animation and moves 10° on; after step 72 comes step 0</translation>
    </message>
    <message>
        <source>回到第 0 步，正在运行的动画继续运行</source>
        <translation>Goes back to step 0; a running animation keeps running</translation>
    </message>
    <message>
        <source>停止动画，画面停在当前一步</source>
        <translation>Stops the animation at the step shown</translation>
    </message>
    <message>
        <source>U相相位角</source>
        <translation>Phase angle of U</translation>
    </message>
    <message>
        <source>U 相电流的电角度 ωt</source>
        <translation>The electrical angle ωt of the current in phase U</translation>
    </message>
    <message>
        <source>U相相对幅值</source>
        <translation>Phase U current</translation>
    </message>
    <message>
        <source>U 相电流与其峰值之比</source>
        <translation>The current in phase U as a fraction of its peak</translation>
    </message>
    <message>
        <source>V相相对幅值</source>
        <translation>Phase V current</translation>
    </message>
    <message>
        <source>V 相电流与其峰值之比</source>
        <translation>The current in phase V as a fraction of its peak</translation>
    </message>
    <message>
        <source>W相相对幅值</source>
        <translation>Phase W current</translation>
    </message>
    <message>
        <source>W 相电流与其峰值之比</source>
        <translation>The current in phase W as a fraction of its peak</translation>
    </message>
    <message>
        <source>显示或隐藏合成磁动势及其平行四边形作图</source>
        <translation>Shows or hides the resultant MMF and its parallelogram construction</translation>
    </message>
    <message>
        <source>停止动画并后退 10°，在第 0 步停住</source>
        <translation>Stops the animation and moves 10° back, stopping at step 0</translation>
    </message>
</context>
<context>
    <name>Scene</name>
    <message>
        <source>周期T</source>
        <translation>Period T</translation>
    </message>
    <message>
        <source>三相交流电</source>
        <translation>Three-phase currents</translation>
    </message>
    <message>
        <source>旋转磁动势</source>
        <translation>Rotating MMF</translation>
    </message>
    <message>
        <source>U相</source>
        <translation>Phase U</translation>
    </message>
    <message>
        <source>V相</source>
        <translation>Phase V</translation>
    </message>
    <message>
        <source>W相</source>
        <translation>Phase W</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>关于 vesk(&amp;A)...</source>
        <translation>&amp;About vesk...</translation>
    </message>
    <message>
        <source>探索(&amp;E)...</source>
        <translation>&amp;Explorer...</translation>
    </message>
</context>
<context>
    <name>WindowMenu</name>
    <message>
        <source>最小化(&amp;N)</source>
        <translation>Mi&amp;nimize</translation>
    </message>
    <message>
        <source>关闭(&amp;C)</source>
        <translation>&amp;Close</translation>
    </message>
</context>
<context>
    <name>Motor</name>
    <message>
        <source>电动机转速 %1 rpm，转差率 %2，转矩 %3 N·m（正转分量 %4，反转分量 %5），电流 U %6 A、V %7 A、W %8 A，%9。</source>
        <translation>Motor at %1 rpm, slip %2, torque %3 N·m (forward part %4, backward part %5), currents U %6 A, V %7 A, W %8 A; %9.</translation>
    </message>
    <message>
        <source>加速</source>
        <translation>accelerating</translation>
    </message>
    <message>
        <source>稳定运行</source>
        <translation>running</translation>
    </message>
    <message>
        <source>堵转（静止且无净转矩）</source>
        <translation>stalled (at rest, no net torque)</translation>
    </message>
    <message>
        <source>制动</source>
        <translation>braking</translation>
    </message>
    <message>
        <source>电机：旋转磁场与笼型转子</source>
        <translation>The machine: rotating field and cage rotor</translation>
    </message>
    <message>
        <source>磁场 ns</source>
        <translation>Field ns</translation>
    </message>
    <message>
        <source>转子 n</source>
        <translation>Rotor n</translation>
    </message>
    <message>
        <source>画面放慢到每个电周期 36 步，</source>
        <translation>Slowed to 36 steps an electrical period:</translation>
    </message>
    <message>
        <source>只有转子与磁场的转速之比是真实的。</source>
        <translation>only the ratio of the rotor's speed to the field's is true.</translation>
    </message>
    <message>
        <source>单相（仅U相）</source>
        <translation>single phase (U only)</translation>
    </message>
    <message>
        <source>星形，带中线</source>
        <translation>star, with neutral</translation>
    </message>
    <message>
        <source>星形，无中线（三线）</source>
        <translation>star, no neutral (three wires)</translation>
    </message>
    <message>
        <source>断U相，无中线</source>
        <translation>U open, no neutral</translation>
    </message>
    <message>
        <source>断V相，无中线</source>
        <translation>V open, no neutral</translation>
    </message>
    <message>
        <source>断W相，无中线</source>
        <translation>W open, no neutral</translation>
    </message>
    <message>
        <source>断U相，带中线</source>
        <translation>U open, with neutral</translation>
    </message>
    <message>
        <source>断V相，带中线</source>
        <translation>V open, with neutral</translation>
    </message>
    <message>
        <source>断W相，带中线</source>
        <translation>W open, with neutral</translation>
    </message>
    <message>
        <source>读数</source>
        <translation>Readouts</translation>
    </message>
    <message>
        <source>正序</source>
        <translation>positive</translation>
    </message>
    <message>
        <source>负序</source>
        <translation>negative</translation>
    </message>
    <message>
        <source>稳态</source>
        <translation>steady state</translation>
    </message>
    <message>
        <source>转速 n</source>
        <translation>Speed n</translation>
    </message>
    <message>
        <source>转差率 s</source>
        <translation>Slip s</translation>
    </message>
    <message>
        <source>转矩 T</source>
        <translation>Torque T</translation>
    </message>
    <message>
        <source>正转转矩 T+</source>
        <translation>Forward torque T+</translation>
    </message>
    <message>
        <source>反转转矩 T−</source>
        <translation>Backward torque T−</translation>
    </message>
    <message>
        <source>电流 IU</source>
        <translation>Current IU</translation>
    </message>
    <message>
        <source>电流 IV</source>
        <translation>Current IV</translation>
    </message>
    <message>
        <source>电流 IW</source>
        <translation>Current IW</translation>
    </message>
    <message>
        <source>同步转速 ns</source>
        <translation>Synchronous ns</translation>
    </message>
    <message>
        <source>状态</source>
        <translation>State</translation>
    </message>
    <message>
        <source>时间 t</source>
        <translation>Time t</translation>
    </message>
    <message>
        <source>相序</source>
        <translation>Sequence</translation>
    </message>
    <message>
        <source>接法</source>
        <translation>Connection</translation>
    </message>
    <message>
        <source>负载 L / 惯量 J</source>
        <translation>Load L / inertia J</translation>
    </message>
    <message>
        <source>起动过程</source>
        <translation>Start-up</translation>
    </message>
    <message>
        <source>转速 n / rpm</source>
        <translation>Speed n / rpm</translation>
    </message>
    <message>
        <source>电流 / A</source>
        <translation>Current / A</translation>
    </message>
    <message>
        <source>给定转速下的稳态：没有起动过程</source>
        <translation>Steady state at a given speed: no start-up</translation>
    </message>
    <message>
        <source>转矩–转速特性</source>
        <translation>Torque against speed</translation>
    </message>
    <message>
        <source>负载 TL</source>
        <translation>Load TL</translation>
    </message>
    <message>
        <source>最大转矩</source>
        <translation>Breakdown</translation>
    </message>
</context>
<context>
    <name>MotorWindow</name>
    <message>
        <source>电动机</source>
        <translation>Motor</translation>
    </message>
    <message>
        <source>电动机 (Motor): the rotor that follows the field, torque against speed, and the start-up</source>
        <translation>Motor: the rotor that follows the field, torque against speed, and the start-up</translation>
    </message>
    <message>
        <source>画面 (Picture): torque against speed, the start-up, the machine and the readouts</source>
        <translation>Picture: torque against speed, the start-up, the machine and the readouts</translation>
    </message>
    <message>
        <source>供电</source>
        <translation>Supply</translation>
    </message>
    <message>
        <source>供电 (Supply)</source>
        <translation>Supply</translation>
    </message>
    <message>
        <source>预设(&amp;T)</source>
        <translation>Pre&amp;set</translation>
    </message>
    <message>
        <source>预设 (Preset): balanced, reversed, open U (star, no neutral), open U with neutral, single phase, unbalanced 1 / 0.4 / 0.7; custom once a value is changed</source>
        <translation>Preset: balanced, reversed, open U (star, no neutral), open U with neutral, single phase, unbalanced 1 / 0.4 / 0.7; custom once a value is changed</translation>
    </message>
    <message>
        <source>平衡</source>
        <translation>Balanced</translation>
    </message>
    <message>
        <source>反相序</source>
        <translation>Reversed</translation>
    </message>
    <message>
        <source>断U相</source>
        <translation>Open U</translation>
    </message>
    <message>
        <source>断U相带中线</source>
        <translation>Open U with neutral</translation>
    </message>
    <message>
        <source>单相</source>
        <translation>Single phase</translation>
    </message>
    <message>
        <source>不平衡</source>
        <translation>Unbalanced</translation>
    </message>
    <message>
        <source>自定义</source>
        <translation>Custom</translation>
    </message>
    <message>
        <source>幅值</source>
        <translation>Amplitude</translation>
    </message>
    <message>
        <source>幅值 (Amplitude): 1 is the balanced peak</source>
        <translation>Amplitude: 1 is the balanced peak</translation>
    </message>
    <message>
        <source>偏移</source>
        <translation>Offset</translation>
    </message>
    <message>
        <source>偏移 (Offset) in degrees</source>
        <translation>Offset in degrees</translation>
    </message>
    <message>
        <source>U相</source>
        <translation>Phase U</translation>
    </message>
    <message>
        <source>U相幅值 (Amplitude of U): 0.00 to 2.00</source>
        <translation>Amplitude of U: 0.00 to 2.00</translation>
    </message>
    <message>
        <source>U相偏移 (Offset of U): -180° to 180°</source>
        <translation>Offset of U: -180° to 180°</translation>
    </message>
    <message>
        <source>V相</source>
        <translation>Phase V</translation>
    </message>
    <message>
        <source>V相幅值 (Amplitude of V): 0.00 to 2.00</source>
        <translation>Amplitude of V: 0.00 to 2.00</translation>
    </message>
    <message>
        <source>V相偏移 (Offset of V): -180° to 180°</source>
        <translation>Offset of V: -180° to 180°</translation>
    </message>
    <message>
        <source>W相</source>
        <translation>Phase W</translation>
    </message>
    <message>
        <source>W相幅值 (Amplitude of W): 0.00 to 2.00</source>
        <translation>Amplitude of W: 0.00 to 2.00</translation>
    </message>
    <message>
        <source>W相偏移 (Offset of W): -180° to 180°</source>
        <translation>Offset of W: -180° to 180°</translation>
    </message>
    <message>
        <source>相序(&amp;Q)</source>
        <translation>Se&amp;quence</translation>
    </message>
    <message>
        <source>相序 (Sequence): positive, V 120° behind U; negative, V 240° behind U</source>
        <translation>Sequence: positive, V 120° behind U; negative, V 240° behind U</translation>
    </message>
    <message>
        <source>正序</source>
        <translation>positive</translation>
    </message>
    <message>
        <source>负序</source>
        <translation>negative</translation>
    </message>
    <message>
        <source>断相(&amp;O)</source>
        <translation>&amp;Open phase</translation>
    </message>
    <message>
        <source>断相 (Open phase): none, U, V or W</source>
        <translation>Open phase: none, U, V or W</translation>
    </message>
    <message>
        <source>无</source>
        <translation>None</translation>
    </message>
    <message>
        <source>带中线(&amp;L)</source>
        <translation>Neutra&amp;l</translation>
    </message>
    <message>
        <source>带中线 (Neutral): the star point is joined to the supply&apos;s neutral; without it, three wires</source>
        <translation>Neutral: the star point is joined to the supply&apos;s neutral; without it, three wires</translation>
    </message>
    <message>
        <source>单相供电，仅U相(&amp;G)</source>
        <translation>Sin&amp;gle phase, U only</translation>
    </message>
    <message>
        <source>单相 (Single phase): winding U alone is fed</source>
        <translation>Single phase: winding U alone is fed</translation>
    </message>
    <message>
        <source>负载</source>
        <translation>Load</translation>
    </message>
    <message>
        <source>负载 (Load): a fan, and the inertia of the motor with it</source>
        <translation>Load: a fan, and the inertia of the motor with it</translation>
    </message>
    <message>
        <source>风机负载(&amp;D)</source>
        <translation>Fan loa&amp;d</translation>
    </message>
    <message>
        <source>风机负载 (Fan load): its torque at synchronous speed, 0 to 40 N·m; it grows with the square of the speed</source>
        <translation>Fan load: its torque at synchronous speed, 0 to 40 N·m; it grows with the square of the speed</translation>
    </message>
    <message>
        <source>转动惯量(&amp;J)</source>
        <translation>Inertia (&amp;J)</translation>
    </message>
    <message>
        <source>转动惯量 (Inertia) of the motor with its load: 0.015 to 10 kg·m²</source>
        <translation>Inertia of the motor with its load: 0.015 to 10 kg·m²</translation>
    </message>
    <message>
        <source>运行</source>
        <translation>Run</translation>
    </message>
    <message>
        <source>运行 (Run): start the motor, push its rotor, play and pause</source>
        <translation>Run: start the motor, push its rotor, play and pause</translation>
    </message>
    <message>
        <source>从静止起动(&amp;S)</source>
        <translation>&amp;Start from rest</translation>
    </message>
    <message>
        <source>从静止起动 (Start from rest): the start-up in real time, from 0 rpm</source>
        <translation>Start from rest: the start-up in real time, from 0 rpm</translation>
    </message>
    <message>
        <source>正向推动(&amp;F)</source>
        <translation>Push &amp;forward</translation>
    </message>
    <message>
        <source>正向推动 (Push forward): the rotor gains 150 rpm counter-clockwise</source>
        <translation>Push forward: the rotor gains 150 rpm counter-clockwise</translation>
    </message>
    <message>
        <source>反向推动(&amp;K)</source>
        <translation>Push bac&amp;kward</translation>
    </message>
    <message>
        <source>反向推动 (Push backward): the rotor gains 150 rpm clockwise</source>
        <translation>Push backward: the rotor gains 150 rpm clockwise</translation>
    </message>
    <message>
        <source>播放(&amp;P)</source>
        <translation>&amp;Play</translation>
    </message>
    <message>
        <source>播放/暂停 (Play/Pause, Space): the run and the drawing go on from where they are</source>
        <translation>Play/Pause (Space): the run and the drawing go on from where they are</translation>
    </message>
    <message>
        <source>慢放 ×10(&amp;W)</source>
        <translation>Slo&amp;w ×10</translation>
    </message>
    <message>
        <source>慢放 (Slow): the start-up runs ten times slower than real time</source>
        <translation>Slow: the start-up runs ten times slower than real time</translation>
    </message>
    <message>
        <source>电动机(&amp;M)...</source>
        <translation>&amp;Motor...</translation>
    </message>
    <message>
        <source>暂停(&amp;P)</source>
        <translation>&amp;Pause</translation>
    </message>
</context>
</TS>
