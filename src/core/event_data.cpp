// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/event_data.h"

#include "core/event_catalogue.h"

namespace zormade {

EventData LoadEventData(int index) {
    const EventRecord& record = EventRecordAt(index);
    EventData data;
    data.prompt = record.prompt;
    for (int i = 0; i < 4; ++i) {
        const EventAnswer& answer = record.answers[i];
        data.choiceTexts[i] = answer.text;
        data.resultTexts[i] = answer.result;
        data.staminaByChoice[i] = answer.change.stamina;
        data.moneyByChoice[i] = answer.change.money;
        data.patientByChoice[i] = answer.change.patients;
        data.trustByChoice[i] = answer.change.trust;
        data.rivalByChoice[i] = answer.change.rivalPower;
        data.suspicionByChoice[i] = answer.change.suspicion;
    }
    if (const auto row = EventPictureRow(record.pictureRow)) {
        data.bitmapId = row->bitmapId;
        data.pictureWidth = row->width;
        data.pictureHeight = row->height;
    }
    return data;
}

StatusChange ChangeOfChoice(const EventData& data, int choice) {
    if (choice < 0 || choice > 3) return {};
    return {data.staminaByChoice[choice], data.moneyByChoice[choice],
            data.patientByChoice[choice], data.trustByChoice[choice],
            data.rivalByChoice[choice],   data.suspicionByChoice[choice]};
}

}  // namespace zormade
