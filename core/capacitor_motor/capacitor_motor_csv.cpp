// The single-phase motor's numbers: its torque curve with the currents, or a start-up against time.
#include "capacitor_motor/capacitor_motor_run.h"
#include "capacitor_motor/capacitor_motor_view.h"
#include "views/view_csv.h"

std::string CapacitorMotorCsv(const CapacitorMotorSettings& settings) {
    Csv csv;
    if (!settings.speed && settings.time > 0.0) {
        CapacitorMotorRun run({settings.config, settings.load, settings.inertia, 0.0});
        run.At(settings.time);
        csv.Table(
            {"time (s)", "speed (rpm)", "T (N m)", "switch closed", "Im (A)", "Ia (A)", "I (A)"});
        for (const CapacitorMotorSample& m : run.Samples())
            csv.Row({m.time, m.speed, m.torque, m.switchClosed ? 1.0 : 0.0, m.main, m.aux, m.line});
        return csv.Text();
    }
    const CapacitorMotorModel model(settings.config);
    csv.Table({"speed (rpm)", "T (N m)", "Tf (N m)", "Tb (N m)", "Im (A)", "Ia (A)", "I (A)"});
    for (int speed = -1500; speed <= 1800; speed += 10) {
        const CapacitorMotorPoint p = model.Steady(speed);
        csv.Row({double(speed), p.Torque(), p.torqueForward, p.torqueBackward, std::abs(p.main),
                 std::abs(p.aux), std::abs(p.line)});
    }
    return csv.Text();
}
