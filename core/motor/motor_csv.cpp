// The motor's numbers: its torque curve with the currents, or a start-up against time.
#include "motor/motor_dynamic.h"
#include "motor/motor_model.h"
#include "motor/motor_view.h"
#include "views/view_csv.h"

std::string MotorCsv(const MotorSettings& settings) {
    const Supply supply = ClampSupply(settings.supply);
    const MotorModel model(supply, ClampDrive(settings.drive));
    Csv csv;
    if (!settings.speed && settings.dynamic) {
        DynamicRun run({supply, settings.load, settings.inertia, settings.initialSpeed,
                        settings.switchAngle, settings.drive});
        run.RunTo(settings.time);
        csv.Table({"time (s)", "speed (rpm)", "T (N m)", "iU (A)", "iV (A)", "iW (A)"});
        for (const DynamicSample& m : run.Samples())
            csv.Row({m.time, m.speed, m.torque, m.current[0], m.current[1], m.current[2]});
        return csv.Text();
    }
    if (!settings.speed && settings.time > 0.0) {
        MotorRun run(model, {supply, settings.load, settings.inertia, settings.initialSpeed, 0.0});
        run.SpeedAt(settings.time);
        csv.Table({"time (s)", "speed (rpm)", "T (N m)", "IU (A)", "IV (A)", "IW (A)"});
        for (const MotorSample& m : run.Samples())
            csv.Row(
                {m.time, m.speed, model.Torque(m.speed), m.current[0], m.current[1], m.current[2]});
        return csv.Text();
    }
    csv.Table({"speed (rpm)", "T (N m)", "T+ (N m)", "T- (N m)", "IU (A)", "IV (A)", "IW (A)"});
    for (int speed = -1500; speed <= 1800; speed += 10) {
        const MotorPoint p = model.At(speed);
        csv.Row({double(speed), p.Torque(), p.forward, p.backward, std::abs(p.current[0]),
                 std::abs(p.current[1]), std::abs(p.current[2])});
    }
    return csv.Text();
}
