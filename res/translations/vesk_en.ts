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
    <message>
        <source>绕组(&amp;W)...</source>
        <translation>&amp;Windings...</translation>
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
        <source>单相，仅U相</source>
        <translation>single phase</translation>
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
        <translation>none</translation>
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
        <source>正转分量 |F₊|</source>
        <translation>Forward |F₊|</translation>
    </message>
    <message>
        <source>反转分量 |F₋|</source>
        <translation>Backward |F₋|</translation>
    </message>
    <message>
        <source>不平衡 |F₋|/|F₊|</source>
        <translation>Unbal. |F₋|/|F₊|</translation>
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
        <translation>U open, neutral</translation>
    </message>
    <message>
        <source>断V相，带中线</source>
        <translation>V open, neutral</translation>
    </message>
    <message>
        <source>断W相，带中线</source>
        <translation>W open, neutral</translation>
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
        <source>星形无中线（三线）</source>
        <translation>3-wire star</translation>
    </message>
    <message>
        <source>星形带中线（四线）</source>
        <translation>4-wire star</translation>
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
        <source>U相幅值 (Amplitude of U)</source>
        <translation>Amplitude of U</translation>
    </message>
    <message>
        <source>U相偏移 (Offset of U)</source>
        <translation>Offset of U</translation>
    </message>
    <message>
        <source>V相</source>
        <translation>Phase V</translation>
    </message>
    <message>
        <source>V相幅值 (Amplitude of V)</source>
        <translation>Amplitude of V</translation>
    </message>
    <message>
        <source>V相偏移 (Offset of V)</source>
        <translation>Offset of V</translation>
    </message>
    <message>
        <source>W相</source>
        <translation>Phase W</translation>
    </message>
    <message>
        <source>W相幅值 (Amplitude of W)</source>
        <translation>Amplitude of W</translation>
    </message>
    <message>
        <source>W相偏移 (Offset of W)</source>
        <translation>Offset of W</translation>
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
        <source>星形带中线，四线(&amp;L)</source>
        <translation>Star with neutra&amp;l, four wires</translation>
    </message>
    <message>
        <source>接法 (Connection): ticked, the star point is joined to the supply's neutral (four wires); clear, a star of three wires whose currents always sum to zero</source>
        <translation>Connection: ticked, the star point is joined to the supply's neutral (four wires); clear, a star of three wires whose currents always sum to zero</translation>
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
    <message>
        <source>F₊、F₋ 也从圆心画(&amp;M)</source>
        <translation>F₊ and F₋ fro&amp;m the centre too</translation>
    </message>
    <message>
        <source>分量分开 (Components apart): F₊ and F₋ also drawn from the centre, each on its own circle</source>
        <translation>Components apart: F₊ and F₋ also drawn from the centre, each on its own circle</translation>
    </message>
    <message>
        <source>显示推导(&amp;E)</source>
        <translation>Show th&amp;e derivation</translation>
    </message>
    <message>
        <source>显示推导 (Show the derivation) below the controls</source>
        <translation>Show the derivation below the controls</translation>
    </message>
    <message>
        <source>收起或展开面板 (Fold or unfold the panel, F9): the picture takes the whole window</source>
        <translation>Fold or unfold the panel (F9): the picture takes the whole window</translation>
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
        <translation>Phase ωt (U)</translation>
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
        <translation>iU / peak:</translation>
    </message>
    <message>
        <source>V相相对幅值:</source>
        <translation>iV / peak:</translation>
    </message>
    <message>
        <source>W相相对幅值:</source>
        <translation>iW / peak:</translation>
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
    <name>FrameActions</name>
    <message>
        <source>保存画面</source>
        <translation>Save the picture</translation>
    </message>
    <message>
        <source>PNG 图像 (*.png)</source>
        <translation>PNG image (*.png)</translation>
    </message>
    <message>
        <source>SVG 矢量图 (*.svg)</source>
        <translation>SVG drawing (*.svg)</translation>
    </message>
    <message>
        <source>PDF 文档 (*.pdf)</source>
        <translation>PDF document (*.pdf)</translation>
    </message>
    <message>
        <source>导出数据</source>
        <translation>Export the data</translation>
    </message>
    <message>
        <source>CSV 表格 (*.csv)</source>
        <translation>CSV table (*.csv)</translation>
    </message>
    <message>
        <source>保存画面(&amp;I)...</source>
        <translation>Save &amp;image...</translation>
    </message>
    <message>
        <source>复制画面(&amp;C)</source>
        <translation>Copy pic&amp;ture</translation>
    </message>
    <message>
        <source>复制网页地址(&amp;R)</source>
        <translation>Copy page add&amp;ress</translation>
    </message>
    <message>
        <source>导出数据(&amp;D)...</source>
        <translation>Export &amp;data...</translation>
    </message>
    <message>
        <source>复制在网页上重现此画面的地址（#view=...）</source>
        <translation>Copy the address that shows this picture on the page (#view=...)</translation>
    </message>
    <message>
        <source>画面没有保存。</source>
        <translation>The picture was not saved.</translation>
    </message>
    <message>
        <source>数据没有导出。</source>
        <translation>The data was not exported.</translation>
    </message>
</context>
<context>
    <name>Lesson</name>
    <message>
        <source>旋转磁场：十分钟课程</source>
        <translation>The rotating field: a ten-minute lesson</translation>
    </message>
    <message>
        <source>0°：U 相电流最大（1.00），V、W 相各为 -0.50；所有的叉在下，点在上：磁场指向右方，沿 Bu+。</source>
        <translation>0°: U is at its peak (1.00), V and W are at -0.50; all crosses below, all dots above: the field points right, along Bu+.</translation>
    </message>
    <message>
        <source>30°：V 相电流为零，它的叉和点变细；合成磁动势逆时针转过 30°，长度不变。</source>
        <translation>30°: V's current is zero and its cross and dot are thin; the resultant has turned 30° counter-clockwise and kept its length.</translation>
    </message>
    <message>
        <source>90°：U 相电流为零；V、W 的叉在右，点在左，磁场指向上方。</source>
        <translation>90°: U's current is zero; the crosses of V and W are on the right, the dots on the left: the field points up.</translation>
    </message>
    <message>
        <source>120°：V 相达到峰值，合成磁动势沿 Bv+：处于峰值的那一相决定磁场的方向。</source>
        <translation>120°: V is at its peak and the resultant lies along Bv+: the phase at its peak sets the direction.</translation>
    </message>
    <message>
        <source>180°：U 相为 -1.00，叉在上，点在下；半个周期，磁场转了半圈。</source>
        <translation>180°: U is at -1.00, its cross at the top and its dot at the bottom; half a period has turned the field half a turn.</translation>
    </message>
    <message>
        <source>360°：电流的一个周期使磁场转一圈；50 Hz 时每秒 50 圈，每分钟 3000 转。</source>
        <translation>360°: one period of the current turns the field once; at 50 Hz, 50 turns a second, 3000 a minute.</translation>
    </message>
    <message>
        <source>隐藏合成磁动势：请从叉和点找出磁场的方向，并自己把三个矢量相加。</source>
        <translation>The resultant hidden: find the field's direction from the crosses and dots, and add the three vectors yourselves.</translation>
    </message>
    <message>
        <source>动画：合成磁动势一直逆时针旋转，长度保持不变。</source>
        <translation>Animated: the resultant keeps turning counter-clockwise and keeps its length.</translation>
    </message>
    <message>
        <source>答：指向上方。U 相电流为零，V 相为 +0.87，W 相为 −0.87：合成磁动势逆时针转过了 90°，长度仍是一相峰值的 1.5 倍。</source>
        <translation>Answer: straight up. U's current is zero, V's is +0.87 and W's −0.87: the resultant has turned 90° counter-clockwise and is still 1.5 times one phase's peak.</translation>
    </message>
    <message>
        <source>90° 时磁场指向哪里？</source>
        <translation>Where does the field point at 90°?</translation>
    </message>
    <message>
        <source>反相序：交换两根电源线，磁场顺时针旋转，电动机反转。</source>
        <translation>Reversed: two supply leads swapped; the field turns clockwise and the motor runs the other way.</translation>
    </message>
    <message>
        <source>断U相：磁场只沿一条直线脉振；F+ 与 F− 各为一半，反向旋转，静止的电动机没有起动转矩。</source>
        <translation>Open U: the field only pulsates along a line; F+ and F− are half each and turn opposite ways, so a motor at rest gets no starting torque.</translation>
    </message>
    <message>
        <source>单相：同样是脉振磁场，所以单相电动机需要帮助才能起动。</source>
        <translation>Single phase: a pulsating field again, the reason a single-phase motor needs help to start.</translation>
    </message>
    <message>
        <source>4 极，36 槽：一个电流周期磁场只转半圈，50 Hz 时每分钟 1500 转。</source>
        <translation>4 poles, 36 slots: the field turns only half a revolution in each period of the current, 1500 rpm at 50 Hz.</translation>
    </message>
    <message>
        <source>单相电动机：静止时正转与反转转矩相抵，它堵转；推它一下，它才会起动。</source>
        <translation>A single-phase motor: at rest the forward and backward torques cancel and it stays stalled; only a push starts it.</translation>
    </message>
    <message>
        <source>答：向后转。推过之后正转与反转转矩不再相抵，往哪边推它就往哪边加速，10 s 后以约 1499 rpm 反转：单相电动机没有自己的转向。</source>
        <translation>Answer: backward. Once pushed, the forward and backward torques no longer cancel: it speeds up whichever way it was pushed, and after 10 s runs backward at about 1499 rpm. A single-phase motor has no direction of its own.</translation>
    </message>
    <message>
        <source>向后推一下，单相电动机会朝哪边转？</source>
        <translation>Which way will the single-phase motor turn after a push backward?</translation>
    </message>
    <message>
        <source>电路与功率：1440 r/min 时输入 2485 W，定子铜损 246 W，转子铜损 90 W，轴上得到 2150 W：效率 86.5%，功率因数 0.762。</source>
        <translation>Circuit and power: at 1440 rpm 2485 W go in, 246 W heat the stator's copper and 90 W the rotor's, and 2150 W reach the shaft: 86.5 % efficient, power factor 0.762.</translation>
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
        <translation>none</translation>
    </message>
    <message>
        <source>相位角 θ</source>
        <translation>Angle θ</translation>
    </message>
    <message>
        <source>旋转方向</source>
        <translation>Direction</translation>
    </message>
    <message>
        <source>相位角(U相)</source>
        <translation>Angle of U</translation>
    </message>
    <message>
        <source>U相相对幅值</source>
        <translation>Phase U current</translation>
    </message>
    <message>
        <source>V相相对幅值</source>
        <translation>Phase V current</translation>
    </message>
    <message>
        <source>W相相对幅值</source>
        <translation>Phase W current</translation>
    </message>
    <message>
        <source>三相异步电动机的旋转磁场：课堂讲义</source>
        <translation>The rotating field of a three-phase induction motor: a handout</translation>
    </message>
    <message>
        <source>共 %1 站</source>
        <translation>%1 stops</translation>
    </message>
    <message>
        <source>第 %1 站</source>
        <translation>Stop %1</translation>
    </message>
    <message>
        <source>第 %1 站（续）</source>
        <translation>Stop %1 (continued)</translation>
    </message>
    <message>
        <source>第 %1 站：答案</source>
        <translation>Stop %1: the answer</translation>
    </message>
    <message>
        <source>第 %1 站：答案（续）</source>
        <translation>Stop %1: the answer (continued)</translation>
    </message>
    <message>
        <source>画面的一部分暂时隐藏：先预测，再揭晓。</source>
        <translation>Part of the picture is hidden for now: predict first, then it is revealed.</translation>
    </message>
    <message>
        <source>课堂上从这一步开始播放动画。</source>
        <translation>In class the animation plays from here.</translation>
    </message>
    <message>
        <source>V 形曲线：功率 5 kW 不变，励磁电流从 2.14 A 增大到 3 A，电流从 7.22 A 增大到 11.31 A，功率因数变为超前：过励的同步电机向电网送出无功功率，可以补偿功率因数。</source>
        <translation>A V-curve: at a steady 5 kW, raising the field current from 2.14 A to 3 A raises the current from 7.22 A to 11.31 A and the power factor turns leading: an over-excited synchronous machine sends reactive power to the bus and can correct the power factor.</translation>
    </message>
    <message>
        <source>牵入同步：阻尼绕组像异步电动机那样把转子带到接近 1500 rpm；1300 rpm 时接通励磁，δ 摆动几次，稳定在负载的功角 6.8°。</source>
        <translation>Pulling into step: the damper cage runs the rotor up towards 1500 rpm like an induction motor; the field, switched on at 1300 rpm, swings δ a few times until it settles at the load's angle, 6.8°.</translation>
    </message>
    <message>
        <source>动态起动，合闸后 30 ms：电流峰值 40.1 A，高于堵转电流的峰值 37 A；转矩在 66.9 与 −8.7 N·m 之间摆动，摆动大致围绕稳态曲线在此的 27.4 N·m，并逐渐衰减到它上面。</source>
        <translation>A dynamic start, 30 ms after switch-on: the current has peaked at 40.1 A, above the locked-rotor current&apos;s peak of 37 A; the torque swings between 66.9 and −8.7 N·m, roughly about the steady-state curve&apos;s 27.4 N·m here, and dies away onto it.</translation>
    </message>
    <message>
        <source>电容起动式，静止时：起动电容使 Ia 超前 Im 90.1°，但两个绕组的磁动势不等，合成磁动势沿椭圆旋转（|Ib|/|If| = 0.280）；起动转矩 19.80 N·m，线电流 31.22 A。</source>
        <translation>A capacitor-start motor at rest: the start capacitor puts Ia 90.1° ahead of Im, but the two windings' MMFs differ, so the resultant turns on an ellipse (|Ib|/|If| = 0.280); the starting torque is 19.80 N·m, the line current 31.22 A.</translation>
    </message>
    <message>
        <source>离心开关断开：转速升过 1125 rpm，辅绕组连同电容被切除；转矩从 26.7 N·m 跳到 13.1 N·m，线电流从 31.0 A 降到 19.3 A，电动机只靠主绕组继续加速。</source>
        <translation>The centrifugal switch opens: as the speed rises through 1125 rpm the auxiliary winding and its capacitor are cut out; the torque drops from 26.7 N·m to 13.1 N·m, the line current from 31.0 A to 19.3 A, and the motor runs on up on its main winding alone.</translation>
    </message>
</context>
<context>
    <name>Presentation</name>
    <message>
        <source>课程(&amp;S)</source>
        <translation>Le&amp;sson</translation>
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
    <name>Windings</name>
    <message>
        <source>单层整距</source>
        <translation>single layer, full pitch</translation>
    </message>
    <message>
        <source>双层，节距 %1/%2</source>
        <translation>two layers, pitch %1/%2</translation>
    </message>
    <message>
        <source>%1 极 %2 槽，%3：电角度 %4°，磁场轴线位于机械角 %5°，同步转速 %6 r/min，磁动势谐波畸变率 %7 %。</source>
        <translation>%1 poles, %2 slots, %3: electrical angle %4°, the field axis at %5° mechanical, synchronous speed %6 rpm, MMF harmonic distortion %7 %.</translation>
    </message>
    <message>
        <source>气隙磁动势（一周机械角，单位 Fc）</source>
        <translation>Air-gap MMF over one mechanical turn, in Fc</translation>
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
        <source>谐波（占基波的 %）</source>
        <translation>Harmonics, % of the fundamental</translation>
    </message>
    <message>
        <source>槽号与相带（上层 / 下层）</source>
        <translation>Slots and phase belts (top / bottom layer)</translation>
    </message>
    <message>
        <source>槽号与相带</source>
        <translation>Slots and phase belts</translation>
    </message>
    <message>
        <source>第 1–%1 槽：每对极相同，共 %2 对极</source>
        <translation>Slots 1–%1: the same for each of the %2 pole pairs</translation>
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
        <source>槽数 Q</source>
        <translation>Slots Q</translation>
    </message>
    <message>
        <source>每极每相槽数 q</source>
        <translation>Slots/pole/phase q</translation>
    </message>
    <message>
        <source>节距 y/τ</source>
        <translation>Pitch y/τ</translation>
    </message>
    <message>
        <source>同步转速 ns</source>
        <translation>Sync. speed ns</translation>
    </message>
    <message>
        <source>磁场轴线</source>
        <translation>field axis</translation>
    </message>
    <message>
        <source>基波幅值 F₁</source>
        <translation>Fundamental F₁</translation>
    </message>
    <message>
        <source>截面与磁力线</source>
        <translation>Cross-section and flux lines</translation>
    </message>
    <message>
        <source>r/min</source>
        <translation>rpm</translation>
    </message>
</context>
<context>
    <name>ViewWindow</name>
    <message>
        <source>暂停(&amp;P)</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>播放(&amp;P)</source>
        <translation>&amp;Play</translation>
    </message>
</context>
<context>
    <name>WindingsWindow</name>
    <message>
        <source>绕组</source>
        <translation>Windings</translation>
    </message>
    <message>
        <source>绕组 (Windings): poles, slots, distributed and short-pitched windings, the MMF and the flux lines</source>
        <translation>Windings: poles, slots, distributed and short-pitched windings, the MMF and the flux lines</translation>
    </message>
    <message>
        <source>画面 (Picture): the cross-section with its flux lines, the air-gap MMF, its harmonics, the zone plan and the readouts</source>
        <translation>Picture: the cross-section with its flux lines, the air-gap MMF, its harmonics, the zone plan and the readouts</translation>
    </message>
    <message>
        <source>绕组 (Winding): three-phase, integral-slot, 60° phase belts</source>
        <translation>Winding: three-phase, integral-slot, 60° phase belts</translation>
    </message>
    <message>
        <source>预设(&amp;T)</source>
        <translation>Pre&amp;set</translation>
    </message>
    <message>
        <source>预设 (Preset): the explorer&apos;s 2 poles and 6 slots; 4 poles, 36 slots, full pitch; 4 poles, 36 slots, two layers, pitch 7/9; 2 poles, 24 slots, two layers, pitch 10/12; custom once a value is changed</source>
        <translation>Preset: the explorer&apos;s 2 poles and 6 slots; 4 poles, 36 slots, full pitch; 4 poles, 36 slots, two layers, pitch 7/9; 2 poles, 24 slots, two layers, pitch 10/12; custom once a value is changed</translation>
    </message>
    <message>
        <source>2极6槽（同探索）</source>
        <translation>2 poles, 6 slots (as the explorer)</translation>
    </message>
    <message>
        <source>4极36槽，整距</source>
        <translation>4 poles, 36 slots, full pitch</translation>
    </message>
    <message>
        <source>4极36槽，节距7/9（双层）</source>
        <translation>4 poles, 36 slots, pitch 7/9 (two layers)</translation>
    </message>
    <message>
        <source>2极24槽，节距10/12</source>
        <translation>2 poles, 24 slots, pitch 10/12</translation>
    </message>
    <message>
        <source>自定义</source>
        <translation>Custom</translation>
    </message>
    <message>
        <source>极数(&amp;J)</source>
        <translation>Pole&amp;s</translation>
    </message>
    <message>
        <source>极数 (Poles): 2, 4, 6 or 8; the field turns at 60 f / p</source>
        <translation>Poles: 2, 4, 6 or 8; the field turns at 60 f / p</translation>
    </message>
    <message>
        <source>槽数(&amp;S)</source>
        <translation>S&amp;lots</translation>
    </message>
    <message>
        <source>槽数 (Slots): 6pq, with q from 1 to 4 slots per pole and phase</source>
        <translation>Slots: 6pq, with q from 1 to 4 slots per pole and phase</translation>
    </message>
    <message>
        <source>层数(&amp;L)</source>
        <translation>La&amp;yers</translation>
    </message>
    <message>
        <source>层数 (Layers): a single-layer winding is full-pitch; a two-layer one may be short-pitched</source>
        <translation>Layers: a single-layer winding is full-pitch; a two-layer one may be short-pitched</translation>
    </message>
    <message>
        <source>单层</source>
        <translation>One</translation>
    </message>
    <message>
        <source>双层</source>
        <translation>Two</translation>
    </message>
    <message>
        <source>节距(&amp;Y)</source>
        <translation>Pi&amp;tch</translation>
    </message>
    <message>
        <source>节距 (Pitch): the coil span in slots, over the pole pitch</source>
        <translation>Pitch: the coil span in slots, over the pole pitch</translation>
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
        <source>频率(&amp;F)</source>
        <translation>&amp;Frequency</translation>
    </message>
    <message>
        <source>频率 (Frequency) of the supply</source>
        <translation>Frequency of the supply</translation>
    </message>
    <message>
        <source>显示磁力线(&amp;X)</source>
        <translation>Flu&amp;x lines</translation>
    </message>
    <message>
        <source>磁力线 (Flux lines): equally spaced lines of the vector potential, so that their density shows the flux density</source>
        <translation>Flux lines: equally spaced lines of the vector potential, so that their density shows the flux density</translation>
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
        <source>暂停(&amp;P)</source>
        <translation>&amp;Pause</translation>
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
    <name>Preferences</name>
    <message>
        <source>没有写入的权限</source>
        <translation>Permission denied</translation>
    </message>
    <message>
        <source>文件系统是只读的</source>
        <translation>Read-only file system</translation>
    </message>
    <message>
        <source>磁盘已满</source>
        <translation>No space left on device</translation>
    </message>
    <message>
        <source>路径中的一项不是目录</source>
        <translation>Not a directory</translation>
    </message>
    <message>
        <source>它是指向不存在的文件的链接</source>
        <translation>it is a link to a file that does not exist</translation>
    </message>
    <message>
        <source>它不是普通文件</source>
        <translation>it is not a regular file</translation>
    </message>
    <message>
        <source>它大于 1 MB</source>
        <translation>it is larger than 1 MB</translation>
    </message>
    <message>
        <source>写入失败</source>
        <translation>writing it failed</translation>
    </message>
    <message>
        <source>新的大小无法保存到 %1：%2。vesk 下次启动时仍是原来的大小。</source>
        <translation>The new size could not be saved in %1: %2. vesk will start at its old size next time.</translation>
    </message>
    <message>
        <source>这个选择无法保存到 %1：%2。它只在 vesk 这次运行中有效。</source>
        <translation>This choice could not be saved in %1: %2. It holds only while vesk runs this time.</translation>
    </message>
</context>
<context>
    <name>Motor</name>
    <message>
        <source>电动机转速 %1 r/min，对正向磁场的转差率 %2，转矩 %3 N·m（正转分量 %4，反转分量 %5），电流 U %6 A、V %7 A、W %8 A，%9。</source>
        <translation>Motor at %1 rpm, slip %2 to the forward field, torque %3 N·m (forward part %4, backward part %5), currents U %6 A, V %7 A, W %8 A; %9.</translation>
    </message>
    <message>
        <source>堵转</source>
        <translation>stalled</translation>
    </message>
    <message>
        <source>起动</source>
        <translation>starting</translation>
    </message>
    <message>
        <source>发电</source>
        <translation>generating</translation>
    </message>
    <message>
        <source>制动</source>
        <translation>braking</translation>
    </message>
    <message>
        <source>稳定运行</source>
        <translation>running</translation>
    </message>
    <message>
        <source>加速</source>
        <translation>accelerating</translation>
    </message>
    <message>
        <source>减速</source>
        <translation>decelerating</translation>
    </message>
    <message>
        <source>%1，过载</source>
        <translation>%1, overloaded</translation>
    </message>
    <message>
        <source>r/min</source>
        <translation>rpm</translation>
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
        <source>脉振磁场</source>
        <translation>pulsating field</translation>
    </message>
    <message>
        <source>画面放慢到每个电周期 36 步，</source>
        <translation>Slowed to 36 steps an electrical period:</translation>
    </message>
    <message>
        <source>只有转子与磁场的转速之比是真实的。</source>
        <translation>only the rotor-to-field speed ratio is true.</translation>
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
        <translation>star, three wires</translation>
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
        <source>转速保持</source>
        <translation>speed held</translation>
    </message>
    <message>
        <source>%1（已稳定）</source>
        <translation>%1 (settled)</translation>
    </message>
    <message>
        <source>%1（脉振）</source>
        <translation>%1 (pulsating)</translation>
    </message>
    <message>
        <source>转速 n</source>
        <translation>Speed n</translation>
    </message>
    <message>
        <source>转差率 s（对正向磁场）</source>
        <translation>Slip to the forward field</translation>
    </message>
    <message>
        <source>转矩 T</source>
        <translation>Torque T</translation>
    </message>
    <message>
        <source>正转转矩 T+</source>
        <translation>Forward T+</translation>
    </message>
    <message>
        <source>反转转矩 T−</source>
        <translation>Backward T−</translation>
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
        <source>电流倍数 I/IN</source>
        <translation>Current ratio</translation>
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
        <translation>Load / inertia</translation>
    </message>
    <message>
        <source>起动过程</source>
        <translation>Start-up</translation>
    </message>
    <message>
        <source>电流 / A</source>
        <translation>Current / A</translation>
    </message>
    <message>
        <source>起动过程（动态）</source>
        <translation>Start-up (dynamic)</translation>
    </message>
    <message>
        <source>转矩 T / N·m</source>
        <translation>Torque T / N·m</translation>
    </message>
    <message>
        <source>电流 i / A</source>
        <translation>Current i / A</translation>
    </message>
    <message>
        <source>电流峰值</source>
        <translation>Peak current</translation>
    </message>
    <message>
        <source>转矩最大值</source>
        <translation>Largest torque</translation>
    </message>
    <message>
        <source>转矩最小值</source>
        <translation>Smallest torque</translation>
    </message>
    <message>
        <source>达到95%同步转速的时间</source>
        <translation>Time to 95% of synchronous speed</translation>
    </message>
    <message>
        <source>转速保持不变：没有起动过程</source>
        <translation>Speed held: no start-up</translation>
    </message>
    <message>
        <source>转矩–转速特性</source>
        <translation>Torque against speed</translation>
    </message>
    <message>
        <source>最大转矩</source>
        <translation>Breakdown</translation>
    </message>
    <message>
        <source>输入功率 Pin</source>
        <translation>Input power Pin</translation>
    </message>
    <message>
        <source>定子铜损 PCu,s</source>
        <translation>Stator copper loss PCu,s</translation>
    </message>
    <message>
        <source>转子铜损 PCu,r</source>
        <translation>Rotor copper loss PCu,r</translation>
    </message>
    <message>
        <source>机械功率 Pmech</source>
        <translation>Mechanical power Pmech</translation>
    </message>
    <message>
        <source>效率 η</source>
        <translation>Efficiency η</translation>
    </message>
    <message>
        <source>功率因数 PF</source>
        <translation>Power factor PF</translation>
    </message>
    <message>
        <source>负序等效电路（s− = 2 − s）</source>
        <translation>Negative-sequence circuit (s− = 2 − s)</translation>
    </message>
    <message>
        <source>正序等效电路（U相）</source>
        <translation>Positive-sequence circuit (phase U)</translation>
    </message>
    <message>
        <source>相量图（U相正序）</source>
        <translation>Phasor diagram (phase U, positive sequence)</translation>
    </message>
    <message>
        <source>电压与电流各用其比例</source>
        <translation>voltages and currents each to their own scale</translation>
    </message>
    <message>
        <source>功率流</source>
        <translation>Power flow</translation>
    </message>
    <message>
        <source>输入 Pin</source>
        <translation>Input Pin</translation>
    </message>
    <message>
        <source>来自轴</source>
        <translation>From the shaft</translation>
    </message>
    <message>
        <source>定子铜损</source>
        <translation>Stator copper</translation>
    </message>
    <message>
        <source>转子铜损</source>
        <translation>Rotor copper</translation>
    </message>
    <message>
        <source>回馈电网</source>
        <translation>Back to the supply</translation>
    </message>
    <message>
        <source>没有功率流动</source>
        <translation>No power flows</translation>
    </message>
    <message>
        <source>转速 n / 转矩 T</source>
        <translation>Speed n / torque T</translation>
    </message>
    <message>
        <source>频率 f / 相电压 V</source>
        <translation>Frequency f / phase voltage V</translation>
    </message>
    <message>
        <source>转子电阻 RR</source>
        <translation>Rotor resistance RR</translation>
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
        <source>U相幅值 (Amplitude of U)</source>
        <translation>Amplitude of U</translation>
    </message>
    <message>
        <source>U相偏移 (Offset of U)</source>
        <translation>Offset of U</translation>
    </message>
    <message>
        <source>V相</source>
        <translation>Phase V</translation>
    </message>
    <message>
        <source>V相幅值 (Amplitude of V)</source>
        <translation>Amplitude of V</translation>
    </message>
    <message>
        <source>V相偏移 (Offset of V)</source>
        <translation>Offset of V</translation>
    </message>
    <message>
        <source>W相</source>
        <translation>Phase W</translation>
    </message>
    <message>
        <source>W相幅值 (Amplitude of W)</source>
        <translation>Amplitude of W</translation>
    </message>
    <message>
        <source>W相偏移 (Offset of W)</source>
        <translation>Offset of W</translation>
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
        <source>风机负载 (Fan load): its torque at synchronous speed; it grows with the square of the speed</source>
        <translation>Fan load: its torque at synchronous speed; it grows with the square of the speed</translation>
    </message>
    <message>
        <source>转动惯量(&amp;J)</source>
        <translation>Inertia (&amp;J)</translation>
    </message>
    <message>
        <source>转动惯量 (Inertia) of the motor with its load</source>
        <translation>Inertia of the motor with its load</translation>
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
    <message>
        <source>动态过程(&amp;Y)</source>
        <translation>D&amp;ynamic</translation>
    </message>
    <message>
        <source>动态过程 (Dynamic): the start-up with its electrical transient, the instantaneous currents and torque</source>
        <translation>Dynamic: the start-up with its electrical transient, the instantaneous currents and torque</translation>
    </message>
    <message>
        <source>合闸角(&amp;A)</source>
        <translation>Switching &amp;angle</translation>
    </message>
    <message>
        <source>合闸角 (Switching angle): how far past its positive peak U&apos;s voltage is at switch-on</source>
        <translation>Switching angle: how far past its positive peak U&apos;s voltage is at switch-on</translation>
    </message>
    <message>
        <source>只看前 100 ms(&amp;Z)</source>
        <translation>&amp;Zoom to 100 ms</translation>
    </message>
    <message>
        <source>只看前 100 ms (Zoom): the dynamic start-up&apos;s first 100 ms against time</source>
        <translation>Zoom: the dynamic start-up&apos;s first 100 ms against time</translation>
    </message>
    <message>
        <source>电源频率(&amp;E)</source>
        <translation>Frequency (&amp;E)</translation>
    </message>
    <message>
        <source>电源频率 (Frequency) of a V/f drive: the voltage follows it below 50 Hz and stays rated above</source>
        <translation>Frequency of a V/f drive: the voltage follows it below 50 Hz and stays rated above</translation>
    </message>
    <message>
        <source>低速补偿(&amp;B)</source>
        <translation>Boost (&amp;B)</translation>
    </message>
    <message>
        <source>低速补偿 (Boost): the V/f drive's extra phase voltage at low frequency</source>
        <translation>Boost: the V/f drive's extra phase voltage at low frequency</translation>
    </message>
    <message>
        <source>转子附加电阻(&amp;R)</source>
        <translation>Rotor resistance (&amp;R)</translation>
    </message>
    <message>
        <source>转子附加电阻 (Rotor resistance): a slip-ring starter's resistance added to the rotor's, referred to the stator</source>
        <translation>Rotor resistance: a slip-ring starter's resistance added to the rotor's, referred to the stator</translation>
    </message>
    <message>
        <source>画面(&amp;V)</source>
        <translation>Page (&amp;V)</translation>
    </message>
    <message>
        <source>画面 (Page): the curves and the machine, or the equivalent circuit, the phasors and the power flow</source>
        <translation>Page: the curves and the machine, or the equivalent circuit, the phasors and the power flow</translation>
    </message>
    <message>
        <source>特性与电机</source>
        <translation>Curves and machine</translation>
    </message>
    <message>
        <source>电路与功率</source>
        <translation>Circuit and power</translation>
    </message>
</context>
<context>
    <name>Synchronous</name>
    <message>
        <source>V 形曲线</source>
        <translation>V-curves</translation>
    </message>
    <message>
        <source>O 形曲线</source>
        <translation>O-curves</translation>
    </message>
    <message>
        <source>← 欠励：滞后</source>
        <translation>← lagging</translation>
    </message>
    <message>
        <source>过励：超前 →</source>
        <translation>leading →</translation>
    </message>
    <message>
        <source>失步：没有稳态</source>
        <translation>out of step</translation>
    </message>
    <message>
        <source>同步电机：</source>
        <translation>Synchronous machine: </translation>
    </message>
    <message>
        <source>转速 %1 rpm，</source>
        <translation>speed %1 rpm, </translation>
    </message>
    <message>
        <source>要求功率 %1 kW 超过失步功率 %2 kW，电动势 %3 V，%4：没有稳态。</source>
        <translation>power asked for %1 kW, beyond the pull-out power of %2 kW; EMF %3 V; %4: no steady state.</translation>
    </message>
    <message>
        <source>功角 %1°，电动势 %2 V，电流 %3 A，功率因数 %4（%5），有功功率 %6 kW，无功功率 %7 kvar，失步功率 %8 kW，%9。</source>
        <translation>load angle %1°, EMF %2 V, current %3 A, power factor %4 (%5), power %6 kW, reactive power %7 kvar, pull-out power %8 kW; %9.</translation>
    </message>
    <message>
        <source>电动机运行</source>
        <translation>motoring</translation>
    </message>
    <message>
        <source>发电机运行</source>
        <translation>generating</translation>
    </message>
    <message>
        <source>空载浮接</source>
        <translation>floating</translation>
    </message>
    <message>
        <source>失步</source>
        <translation>out of step</translation>
    </message>
    <message>
        <source>不能自行起动</source>
        <translation>not starting</translation>
    </message>
    <message>
        <source>异步起动</source>
        <translation>starting</translation>
    </message>
    <message>
        <source>牵入同步</source>
        <translation>pulling in</translation>
    </message>
    <message>
        <source>滞后</source>
        <translation>lagging</translation>
    </message>
    <message>
        <source>超前</source>
        <translation>leading</translation>
    </message>
    <message>
        <source>单位功率因数</source>
        <translation>unity</translation>
    </message>
    <message>
        <source>相量图 V = E + jXs·I</source>
        <translation>Phasors V = E + jXs·I</translation>
    </message>
    <message>
        <source>点线圆：If 决定 E 的长度</source>
        <translation>Dotted circle: If sets E&apos;s length</translation>
    </message>
    <message>
        <source>点线：P 决定 E 的高度 P·Xs/3V</source>
        <translation>Dotted line: P sets E&apos;s height P·Xs/3V</translation>
    </message>
    <message>
        <source>失步：E 的圆与功率线不相交，</source>
        <translation>Out of step: E&apos;s circle misses the power&apos;s line,</translation>
    </message>
    <message>
        <source>没有稳态。</source>
        <translation>and there is no steady state.</translation>
    </message>
    <message>
        <source>功率–功角特性</source>
        <translation>Power–angle curve</translation>
    </message>
    <message>
        <source>失步功率</source>
        <translation>Pull-out power</translation>
    </message>
    <message>
        <source>要求的 P</source>
        <translation>P asked for</translation>
    </message>
    <message>
        <source>读数</source>
        <translation>Readouts</translation>
    </message>
    <message>
        <source>转速 n</source>
        <translation>Speed n</translation>
    </message>
    <message>
        <source>功角 δ</source>
        <translation>Load angle δ</translation>
    </message>
    <message>
        <source>电动势 E</source>
        <translation>EMF E</translation>
    </message>
    <message>
        <source>电流 I</source>
        <translation>Current I</translation>
    </message>
    <message>
        <source>功率因数</source>
        <translation>Power factor</translation>
    </message>
    <message>
        <source>有功功率 P</source>
        <translation>Power P</translation>
    </message>
    <message>
        <source>无功功率 Q</source>
        <translation>Reactive Q</translation>
    </message>
    <message>
        <source>转矩 T = P/ωs</source>
        <translation>Torque T</translation>
    </message>
    <message>
        <source>失步转矩</source>
        <translation>Pull-out torque</translation>
    </message>
    <message>
        <source>状态</source>
        <translation>State</translation>
    </message>
    <message>
        <source>励磁电流 If</source>
        <translation>Field If</translation>
    </message>
    <message>
        <source>时间 t</source>
        <translation>Time t</translation>
    </message>
    <message>
        <source>负载 / 惯量</source>
        <translation>Load / J</translation>
    </message>
    <message>
        <source>有</source>
        <translation>fitted</translation>
    </message>
    <message>
        <source>无</source>
        <translation>none</translation>
    </message>
    <message>
        <source>阻尼绕组</source>
        <translation>Damper cage</translation>
    </message>
    <message>
        <source>励磁接通转速</source>
        <translation>Field on at</translation>
    </message>
    <message>
        <source>稳态</source>
        <translation>steady state</translation>
    </message>
    <message>
        <source>电机截面：功角 δ</source>
        <translation>Cross-section</translation>
    </message>
    <message>
        <source>励磁断开：转子无磁极</source>
        <translation>Field off: no poles</translation>
    </message>
    <message>
        <source>失步：转子跟不上磁场</source>
        <translation>Rotor out of step</translation>
    </message>
    <message>
        <source>磁场 1500 rpm，转子 </source>
        <translation>Field 1500 rpm, rotor </translation>
    </message>
    <message>
        <source>磁场与转子同以 1500 rpm 旋转</source>
        <translation>Field and rotor at 1500 rpm</translation>
    </message>
    <message>
        <source>4 极：两轴之间的机械角是 δ/2</source>
        <translation>4 poles: the axes are δ/2 apart</translation>
    </message>
    <message>
        <source>起动过程</source>
        <translation>Start-up</translation>
    </message>
    <message>
        <source>这是给定功率下的稳态，</source>
        <translation>A steady state at the power set:</translation>
    </message>
    <message>
        <source>没有起动过程。</source>
        <translation>no start-up.</translation>
    </message>
    <message>
        <source>同步电机不能自行起动：</source>
        <translation>It cannot start by itself:</translation>
    </message>
    <message>
        <source>要靠阻尼绕组或变频器。</source>
        <translation>it needs a damper cage or a drive.</translation>
    </message>
    <message>
        <source>转速 n / rpm</source>
        <translation>n / rpm</translation>
    </message>
    <message>
        <source>励磁接通</source>
        <translation>field on</translation>
    </message>
</context>
<context>
    <name>SynchronousWindow</name>
    <message>
        <source>同步电机</source>
        <translation>Synchronous machine</translation>
    </message>
    <message>
        <source>同步电机 (Synchronous machine): the load angle, the phasor diagram, V-curves and the start-up</source>
        <translation>Synchronous machine: the load angle, the phasor diagram, V-curves and the start-up</translation>
    </message>
    <message>
        <source>画面 (Picture): the phasor diagram, whose E can be dragged by its tip, the machine, the readouts, power against the load angle, the V-curves and the start-up</source>
        <translation>Picture: the phasor diagram, whose E can be dragged by its tip, the machine, the readouts, power against the load angle, the V-curves and the start-up</translation>
    </message>
    <message>
        <source>运行点</source>
        <translation>Operating point</translation>
    </message>
    <message>
        <source>运行点 (Operating point): the steady state, locked to the field</source>
        <translation>Operating point: the steady state, locked to the field</translation>
    </message>
    <message>
        <source>励磁电流(&amp;I)</source>
        <translation>Field &amp;current</translation>
    </message>
    <message>
        <source>励磁电流 (Field current) If: it sets the EMF, E = V·If / 2 A</source>
        <translation>Field current If: it sets the EMF, E = V·If / 2 A</translation>
    </message>
    <message>
        <source>有功功率 P(&amp;R)</source>
        <translation>Powe&amp;r P</translation>
    </message>
    <message>
        <source>有功功率 (Power) P on the shaft in the steady state; negative: the machine generates</source>
        <translation>Power P on the shaft in the steady state; negative: the machine generates</translation>
    </message>
    <message>
        <source>O 形曲线(&amp;O)</source>
        <translation>&amp;O-curves</translation>
    </message>
    <message>
        <source>O 形曲线 (O-curves): the power factor against the field current, in place of the V-curves (the current)</source>
        <translation>O-curves: the power factor against the field current, in place of the V-curves (the current)</translation>
    </message>
    <message>
        <source>在相量图中拖动 E 的端点：长度改变励磁电流，高度改变功率。</source>
        <translation>Drag E's tip in the phasor diagram: its length sets the field current, its height the power.</translation>
    </message>
    <message>
        <source>稳态(&amp;Y)</source>
        <translation>Stead&amp;y state</translation>
    </message>
    <message>
        <source>稳态 (Steady state): the machine locked to the field at the field current and power above</source>
        <translation>Steady state: the machine locked to the field at the field current and power above</translation>
    </message>
    <message>
        <source>起动</source>
        <translation>Start-up</translation>
    </message>
    <message>
        <source>起动 (Start-up): the load, the inertia, when the field comes on, and the damper cage</source>
        <translation>Start-up: the load, the inertia, when the field comes on, and the damper cage</translation>
    </message>
    <message>
        <source>风机负载(&amp;D)</source>
        <translation>Fan loa&amp;d</translation>
    </message>
    <message>
        <source>风机负载 (Fan load): its torque at 1500 rpm; it grows with the square of the speed</source>
        <translation>Fan load: its torque at 1500 rpm; it grows with the square of the speed</translation>
    </message>
    <message>
        <source>转动惯量(&amp;J)</source>
        <translation>Inertia (&amp;J)</translation>
    </message>
    <message>
        <source>转动惯量 (Inertia) of the machine with its load</source>
        <translation>Inertia of the machine with its load</translation>
    </message>
    <message>
        <source>励磁接通转速(&amp;N)</source>
        <translation>Field o&amp;n at</translation>
    </message>
    <message>
        <source>励磁接通转速 (Field on at): the field is switched on when the speed first reaches this; 0: at once</source>
        <translation>Field on at: the field is switched on when the speed first reaches this; 0: at once</translation>
    </message>
    <message>
        <source>阻尼绕组(&amp;M)</source>
        <translation>Da&amp;mper cage</translation>
    </message>
    <message>
        <source>阻尼绕组 (Damper cage): a cage in the rotor poles that runs the machine up as an induction motor; without it the machine cannot start</source>
        <translation>Damper cage: a cage in the rotor poles that runs the machine up as an induction motor; without it the machine cannot start</translation>
    </message>
    <message>
        <source>运行</source>
        <translation>Run</translation>
    </message>
    <message>
        <source>运行 (Run): start the machine, play and pause</source>
        <translation>Run: start the machine, play and pause</translation>
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
        <source>同步电机(&amp;Y)...</source>
        <translation>S&amp;ynchronous machine...</translation>
    </message>
</context>
<context>
    <name>CapacitorMotor</name>
    <message>
        <source>单相电动机</source>
        <translation>Single-phase motor</translation>
    </message>
    <message>
        <source>电阻分相式</source>
        <translation>Split-phase</translation>
    </message>
    <message>
        <source>电容起动式</source>
        <translation>Capacitor-start</translation>
    </message>
    <message>
        <source>电容运转式</source>
        <translation>Permanent-capacitor</translation>
    </message>
    <message>
        <source>双值电容式</source>
        <translation>Two-value capacitor</translation>
    </message>
    <message>
        <source>仅主绕组</source>
        <translation>Main winding only</translation>
    </message>
    <message>
        <source>辅绕组无电流</source>
        <translation>no current in the auxiliary winding</translation>
    </message>
    <message>
        <source>辅绕组电流超前主绕组电流 %1°</source>
        <translation>the auxiliary current leads the main current by %1°</translation>
    </message>
    <message>
        <source>单相电动机（%1）转速 %2 rpm，转矩 %3 N·m，主绕组电流 %4 A，辅绕组电流 %5 A，线电流 %6 A；%7，反转与正转分量之比 %8；%9。</source>
        <translation>Single-phase motor (%1) at %2 rpm, torque %3 N·m, main winding current %4 A, auxiliary winding current %5 A, line current %6 A; %7, backward to forward ratio %8; %9.</translation>
    </message>
    <message>
        <source>离心开关闭合</source>
        <translation>the centrifugal switch is closed</translation>
    </message>
    <message>
        <source>离心开关断开</source>
        <translation>the centrifugal switch is open</translation>
    </message>
    <message>
        <source>没有离心开关</source>
        <translation>no centrifugal switch</translation>
    </message>
    <message>
        <source>读数</source>
        <translation>Readouts</translation>
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
        <source>正转分量 Tf</source>
        <translation>Forward part Tf</translation>
    </message>
    <message>
        <source>反转分量 Tb</source>
        <translation>Backward part Tb</translation>
    </message>
    <message>
        <source>主绕组电流 Im</source>
        <translation>Main current Im</translation>
    </message>
    <message>
        <source>辅绕组电流 Ia</source>
        <translation>Aux current Ia</translation>
    </message>
    <message>
        <source>线电流 I</source>
        <translation>Line current I</translation>
    </message>
    <message>
        <source>Ia 超前 Im</source>
        <translation>Ia leads Im by</translation>
    </message>
    <message>
        <source>比值 |Ib|/|If|</source>
        <translation>Ratio |Ib|/|If|</translation>
    </message>
    <message>
        <source>离心开关</source>
        <translation>Switch</translation>
    </message>
    <message>
        <source>闭合</source>
        <translation>closed</translation>
    </message>
    <message>
        <source>断开</source>
        <translation>open</translation>
    </message>
    <message>
        <source>类型</source>
        <translation>Kind</translation>
    </message>
    <message>
        <source>电容</source>
        <translation>Capacitors</translation>
    </message>
    <message>
        <source>辅绕组接法</source>
        <translation>Aux connection</translation>
    </message>
    <message>
        <source>正接</source>
        <translation>normal</translation>
    </message>
    <message>
        <source>反接</source>
        <translation>reversed</translation>
    </message>
    <message>
        <source>负载 L</source>
        <translation>Load L</translation>
    </message>
    <message>
        <source>惯量 J</source>
        <translation>Inertia J</translation>
    </message>
    <message>
        <source>时间 t</source>
        <translation>Time t</translation>
    </message>
    <message>
        <source>稳态</source>
        <translation>steady state</translation>
    </message>
    <message>
        <source>绕组与磁动势</source>
        <translation>Windings and MMF</translation>
    </message>
    <message>
        <source>主绕组</source>
        <translation>Main</translation>
    </message>
    <message>
        <source>辅绕组</source>
        <translation>Aux</translation>
    </message>
    <message>
        <source>相量图</source>
        <translation>Phasors</translation>
    </message>
    <message>
        <source>圆形磁场：Ia 超前 Im 90°，磁动势相等</source>
        <translation>Circular field: 90° and equal MMFs</translation>
    </message>
    <message>
        <source>转矩–转速特性</source>
        <translation>Torque against speed</translation>
    </message>
    <message>
        <source>断开于</source>
        <translation>opens at</translation>
    </message>
    <message>
        <source>闭合于</source>
        <translation>closes at</translation>
    </message>
    <message>
        <source>开关闭合时</source>
        <translation>switch closed</translation>
    </message>
    <message>
        <source>开关断开时</source>
        <translation>switch open</translation>
    </message>
    <message>
        <source>电动机转矩</source>
        <translation>motor torque</translation>
    </message>
    <message>
        <source>负载</source>
        <translation>load</translation>
    </message>
    <message>
        <source>起动轨迹</source>
        <translation>start-up path</translation>
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
        <source>开关断开</source>
        <translation>switch opens</translation>
    </message>
    <message>
        <source>开关闭合</source>
        <translation>switch closes</translation>
    </message>
</context>
<context>
    <name>CapacitorMotorWindow</name>
    <message>
        <source>单相电动机</source>
        <translation>Single-phase motor</translation>
    </message>
    <message>
        <source>单相电动机 (Single-phase motor): the main and auxiliary windings, their currents and field, torque against speed, and the start-up</source>
        <translation>Single-phase motor: the main and auxiliary windings, their currents and field, torque against speed, and the start-up</translation>
    </message>
    <message>
        <source>画面 (Picture): the two windings and the field, the phasor diagram, the readouts, torque against speed and the start-up</source>
        <translation>Picture: the two windings and the field, the phasor diagram, the readouts, torque against speed and the start-up</translation>
    </message>
    <message>
        <source>电机</source>
        <translation>Machine</translation>
    </message>
    <message>
        <source>电机 (Machine): the auxiliary circuit, its capacitors, its connection and the centrifugal switch</source>
        <translation>Machine: the auxiliary circuit, its capacitors, its connection and the centrifugal switch</translation>
    </message>
    <message>
        <source>类型(&amp;T)</source>
        <translation>&amp;Type</translation>
    </message>
    <message>
        <source>类型 (Kind): split-phase, the auxiliary winding alone; capacitor-start, with Cs until the switch opens; permanent-capacitor, with Cr always; two-value, Cs + Cr, then Cr; main-only, which cannot start</source>
        <translation>Kind: split-phase, the auxiliary winding alone; capacitor-start, with Cs until the switch opens; permanent-capacitor, with Cr always; two-value, Cs + Cr, then Cr; main-only, which cannot start</translation>
    </message>
    <message>
        <source>电阻分相式</source>
        <translation>Split-phase</translation>
    </message>
    <message>
        <source>电容起动式</source>
        <translation>Capacitor-start</translation>
    </message>
    <message>
        <source>电容运转式</source>
        <translation>Permanent-capacitor</translation>
    </message>
    <message>
        <source>双值电容式</source>
        <translation>Two-value capacitor</translation>
    </message>
    <message>
        <source>仅主绕组</source>
        <translation>Main winding only</translation>
    </message>
    <message>
        <source>起动电容 Cs(&amp;C)</source>
        <translation>Start &amp;capacitor Cs</translation>
    </message>
    <message>
        <source>起动电容 (Start capacitor) Cs: in the auxiliary circuit while the switch is closed</source>
        <translation>Start capacitor Cs: in the auxiliary circuit while the switch is closed</translation>
    </message>
    <message>
        <source>运转电容 Cr(&amp;R)</source>
        <translation>&amp;Run capacitor Cr</translation>
    </message>
    <message>
        <source>运转电容 (Run capacitor) Cr: in the auxiliary circuit while the motor runs</source>
        <translation>Run capacitor Cr: in the auxiliary circuit while the motor runs</translation>
    </message>
    <message>
        <source>离心开关(&amp;K)</source>
        <translation>Centrifugal switc&amp;h</translation>
    </message>
    <message>
        <source>离心开关 (Centrifugal switch): opened at 1125 rpm and closed again below 900 rpm by the speed, or held closed or open</source>
        <translation>Centrifugal switch: opened at 1125 rpm and closed again below 900 rpm by the speed, or held closed or open</translation>
    </message>
    <message>
        <source>随转速</source>
        <translation>By the speed</translation>
    </message>
    <message>
        <source>保持闭合</source>
        <translation>Held closed</translation>
    </message>
    <message>
        <source>保持断开</source>
        <translation>Held open</translation>
    </message>
    <message>
        <source>辅绕组反接(&amp;V)</source>
        <translation>Re&amp;verse the auxiliary winding</translation>
    </message>
    <message>
        <source>辅绕组反接 (Reverse the auxiliary winding): its two ends swapped, the field turns the other way and so does the motor</source>
        <translation>Reverse the auxiliary winding: its two ends swapped, the field turns the other way and so does the motor</translation>
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
        <source>风机负载 (Fan load): its torque at 1500 rpm; it grows with the square of the speed</source>
        <translation>Fan load: its torque at 1500 rpm; it grows with the square of the speed</translation>
    </message>
    <message>
        <source>转动惯量(&amp;J)</source>
        <translation>Inertia (&amp;J)</translation>
    </message>
    <message>
        <source>转动惯量 (Inertia) of the motor with its load</source>
        <translation>Inertia of the motor with its load</translation>
    </message>
    <message>
        <source>运行</source>
        <translation>Run</translation>
    </message>
    <message>
        <source>运行 (Run): start the motor, play and pause</source>
        <translation>Run: start the motor, play and pause</translation>
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
        <source>播放(&amp;P)</source>
        <translation>&amp;Play</translation>
    </message>
    <message>
        <source>播放/暂停 (Play/Pause, Space): the run and the field go on from where they are</source>
        <translation>Play/Pause (Space): the run and the field go on from where they are</translation>
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
        <source>旋转磁场</source>
        <translation>Turning field</translation>
    </message>
    <message>
        <source>旋转磁场 (Turning field): one electrical period, 10° a step</source>
        <translation>Turning field: one electrical period, 10° a step</translation>
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
        <source>重置(&amp;E)</source>
        <translation>R&amp;eset</translation>
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
        <source>速度(&amp;G)</source>
        <translation>Speed (&amp;G)</translation>
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
        <source>单相电动机(&amp;I)...</source>
        <translation>S&amp;ingle-phase motor...</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>保存图片</source>
        <translation>Save picture</translation>
    </message>
    <message>
        <source>把画面存为 PNG 文件</source>
        <translation>Save the picture as a PNG file</translation>
    </message>
    <message>
        <source>复制图片</source>
        <translation>Copy picture</translation>
    </message>
    <message>
        <source>把画面作为图像复制到剪贴板</source>
        <translation>Copy the picture to the clipboard as an image</translation>
    </message>
    <message>
        <source>复制链接</source>
        <translation>Copy link</translation>
    </message>
    <message>
        <source>复制重现此画面的网址</source>
        <translation>Copy the address that opens the page as it is now</translation>
    </message>
    <message>
        <source>下载数据</source>
        <translation>Download data</translation>
    </message>
    <message>
        <source>把此视图的曲线存为 CSV 文件</source>
        <translation>Save this view&apos;s curves as a CSV file</translation>
    </message>
    <message>
        <source>此视图没有曲线数据。</source>
        <translation>This view has no curves to save.</translation>
    </message>
    <message>
        <source>已复制图片。</source>
        <translation>Picture copied.</translation>
    </message>
    <message>
        <source>浏览器不允许复制图片，请改用“保存图片”。</source>
        <translation>The browser does not allow copying the picture; use Save picture instead.</translation>
    </message>
    <message>
        <source>已复制链接。</source>
        <translation>Link copied.</translation>
    </message>
    <message>
        <source>浏览器不允许复制，请从此框复制链接：</source>
        <translation>The browser does not allow copying; copy the link from this box:</translation>
    </message>
</context>
</TS>
