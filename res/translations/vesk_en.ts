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
        <translation>It turns at the current frequency.</translation>
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
        <translation>The resultant MMF turns on a circle with a constant amplitude, 3/2 of one phase&apos;s peak.</translation>
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
</TS>
