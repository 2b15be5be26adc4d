<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
    <context>
        <name>GpsMonitor</name>
        <message>
            <source>GpsInformation</source>
            <translation>Данные GPS</translation>
        </message>
        <message>
            <source>Time</source>
            <translation>Время</translation>
        </message>
        <message>
            <source>Date</source>
            <translation>Дата</translation>
        </message>
        <message>
            <source>Latitude</source>
            <translation>Широта</translation>
        </message>
        <message>
            <source>Longitude</source>
            <translation>Долгота</translation>
        </message>
        <message>
            <source>Quality</source>
            <translation>Качество</translation>
        </message>
        <message>
            <source>DistanceMeasurement</source>
            <translation>Измерение расстояния</translation>
        </message>
        <message>
            <source>ReferencePosition</source>
            <translation>Опорная позиция</translation>
        </message>
        <message>
            <source>CurrentPosition</source>
            <translation>Текущая позиция</translation>
        </message>
        <message>
            <source>Distance</source>
            <translation>Расстояние</translation>
        </message>
        <message>
            <source>SatelliteInformation</source>
            <translation>Данные спутников</translation>
        </message>
        <message>
            <source>Satellites</source>
            <translation>Спутники</translation>
        </message>
        <message>
            <source>Direction</source>
            <translation>Курс</translation>
        </message>
        <message>
            <source>Height</source>
            <translation>Высота</translation>
        </message>
        <message>
            <source>Groundspeed</source>
            <translation>Скорость</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation>Главное меню</translation>
        </message>
        <message>
            <source>SatelliteInfo</source>
            <translation>Данные спутников</translation>
        </message>
        <message>
            <source>SwitchGpsFormat</source>
            <translation>Сменить формат координат</translation>
        </message>
        <message>
            <source>DisplayNmeaData</source>
            <translation>Показать данные NMEA</translation>
        </message>
        <message>
            <source>DisplayGpsPosition</source>
            <translation>Показать позицию GPS</translation>
        </message>
        <message>
            <source>SetReferencePosition</source>
            <translation>Задать опорную позицию</translation>
        </message>
        <message>
            <source>StartMonitoring</source>
            <translation>Начать мониторинг</translation>
        </message>
        <message>
            <source>StopMonitoring</source>
            <translation>Остановить мониторинг и установить часы</translation>
        </message>
        <message>
            <source>DeleteData</source>
            <translation>Удалить данные</translation>
        </message>
    </context>
    <context>
        <name>H2Sensor</name>
        <message>
            <source>YouMustConnectAH2-SensorToUseThisMeasurement</source>
            <translation>Для этого измерения
подключите датчик H2.</translation>
        </message>
        <message>
            <source>SetReferenceLevel</source>
            <translation>Задать опорный уровень</translation>
        </message>
        <message>
            <source>Range</source>
            <translation>Диапазон</translation>
        </message>
        <message>
            <source>HeadphoneVolume</source>
            <translation>Громкость наушников</translation>
        </message>
        <message>
            <source>Store</source>
            <translation>Сохранить</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation>Главное меню</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Назад</translation>
        </message>
    </context>
    <context>
        <name>LanguageSelect</name>
        <message>
            <source>German</source>
            <translation>Немецкий</translation>
        </message>
        <message>
            <source>French</source>
            <translation>Французский</translation>
        </message>
        <message>
            <source>Italian</source>
            <translation>Итальянский</translation>
        </message>
        <message>
            <source>Spanish</source>
            <translation>Испанский</translation>
        </message>
        <message>
            <source>Chinese</source>
            <translation>Китайский</translation>
        </message>
        <message>
            <source>Czech</source>
            <translation>Чешский</translation>
        </message>
        <message>
            <source>Hungarian</source>
            <translation>Венгерский</translation>
        </message>
        <message>
            <source>Russian</source>
            <translation>Русский</translation>
        </message>
        <message>
            <source>Slovenian</source>
            <translation>Словенский</translation>
        </message>
        <message>
            <source>Japanese</source>
            <translation>Японский</translation>
        </message>
        <message>
            <source>Polish</source>
            <translation>Польский</translation>
        </message>
        <message>
            <source>Portuguese</source>
            <translation>Португальский</translation>
        </message>
        <message>
            <source>Romanian</source>
            <translation>Румынский</translation>
        </message>
        <message>
            <source>Slovakian</source>
            <translation>Словацкий</translation>
        </message>
        <message>
            <source>Swedish</source>
            <translation>Шведский</translation>
        </message>
        <message>
            <source>Suomi</source>
            <translation>Финский</translation>
        </message>
        <message>
            <source>Danish</source>
            <translation>Датский</translation>
        </message>
        <message>
            <source>Norwegian</source>
            <translation>Норвежский</translation>
        </message>
        <message>
            <source>Bulgarian</source>
            <translation>Болгарский</translation>
        </message>
        <message>
            <source>Croatian</source>
            <translation>Хорватский</translation>
        </message>
        <message>
            <source>Korean</source>
            <translation>Корейский</translation>
        </message>
        <message>
            <source>Serbian</source>
            <translation>Сербский</translation>
        </message>
        <message>
            <source>Turkish</source>
            <translation>Турецкий</translation>
        </message>
        <message>
            <source>English</source>
            <translation>Английский</translation>
        </message>
        <message>
            <source>PreviousPage</source>
            <translation>Предыдущая страница</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Назад</translation>
        </message>
        <message>
            <source>NextPage</source>
            <translation>Следующая страница</translation>
        </message>
    </context>
    <context>
        <name>Levelmeasurement</name>
        <message>
            <source>AdjustFilter</source>
            <translation>Настроить фильтр</translation>
        </message>
        <message>
            <source>Store</source>
            <translation>Сохранить</translation>
        </message>
        <message>
            <source>HeadphoneVolume</source>
            <translation>Громкость наушников</translation>
        </message>
        <message>
            <source>MicrophoneGain</source>
            <translation>Усиление микрофона</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation>Главное меню</translation>
        </message>
        <message>
            <source>PlayRecordedSound</source>
            <translation>Воспроизвести запись</translation>
        </message>
        <message>
            <source>StopPlaying</source>
            <translation>Остановить</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Назад</translation>
        </message>
        <message>
            <source>HeadphoneGain</source>
            <translation>Усиление наушников</translation>
        </message>
        <message>
            <source>StoredWithoutSound</source>
            <translation>Сохранено без звука.</translation>
        </message>
    </context>
    <context>
        <name>Longtermmeasurement</name>
        <message>
            <source>Store</source>
            <translation>Сохранить</translation>
        </message>
        <message>
            <source>AnalysisTime</source>
            <translation>Время анализа</translation>
        </message>
        <message>
            <source>Autoscale</source>
            <translation>Автомасштаб</translation>
        </message>
        <message>
            <source>AdditionalSettings</source>
            <translation>Доп. настройки</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation>Главное меню</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Назад</translation>
        </message>
        <message>
            <source>MicrophoneGain</source>
            <translation>Усиление микрофона</translation>
        </message>
        <message>
            <source>HeadphoneVolume</source>
            <translation>Громкость наушников</translation>
        </message>
        <message>
            <source>AdjustFilter</source>
            <translation>Настроить фильтр</translation>
        </message>
        <message>
            <source>10 min</source>
            <translation>10 min</translation>
        </message>
        <message>
            <source>30 min</source>
            <translation>30 min</translation>
        </message>
        <message>
            <source>3 min</source>
            <translation>3 min</translation>
        </message>
    </context>
    <context>
        <name>MainMenu</name>
        <message>
            <source>Histogram</source>
            <translation>Гистограмма</translation>
        </message>
        <message>
            <source>H2Sensor</source>
            <translation>Датчик H2</translation>
        </message>
        <message>
            <source>Level</source>
            <translation>Уровень</translation>
        </message>
        <message>
            <source>Management</source>
            <translation>Управление</translation>
        </message>
        <message>
            <source>Longterm</source>
            <translation>Длительное</translation>
        </message>
        <message>
            <source>Pipelocating</source>
            <translation>Поиск трубы</translation>
        </message>
    </context>
    <context>
        <name>Management</name>
        <message>
            <source>Measurements</source>
            <translation>Измерения</translation>
        </message>
        <message>
            <source>QJ-5</source>
            <translation>QJ-5</translation>
        </message>
        <message>
            <source>Update</source>
            <translation>Обновление</translation>
        </message>
        <message>
            <source>GPS</source>
            <translation>GPS</translation>
        </message>
        <message>
            <source>Settings</source>
            <translation>Настройки</translation>
        </message>
    </context>
    <context>
        <name>MeasManagement</name>
        <message>
            <source>Mainmenu</source>
            <translation>Главное меню</translation>
        </message>
        <message>
            <source>EditMeasurement</source>
            <translation>Изменить измерение</translation>
        </message>
        <message>
            <source>FilterMeasurements</source>
            <translation>Фильтр измерений</translation>
        </message>
        <message>
            <source>PreviousPage</source>
            <translation>Предыдущая страница</translation>
        </message>
        <message>
            <source>NextPage</source>
            <translation>Следующая страница</translation>
        </message>
        <message>
            <source>Error</source>
            <translation>Ошибка</translation>
        </message>
        <message>
            <source>MeasurementCouldNotBeRenamed</source>
            <translation>Не удалось переименовать измерение.</translation>
        </message>
        <message>
            <source>MeasurementCouldNotBeDeleted</source>
            <translation>Не удалось удалить измерение.</translation>
        </message>
        <message>
            <source>Warning</source>
            <translation>Внимание</translation>
        </message>
        <message>
            <source>MeasurementDeletedFilesRemain</source>
            <translation>Измерение удалено из списка.
Некоторые его файлы будут удалены при сохранении следующего измерения.</translation>
        </message>
    </context>
    <context>
        <name>Pinpointing</name>
        <message>
            <source>LIN</source>
            <translation>LIN</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation>Главное меню</translation>
        </message>
        <message>
            <source>Autoscale</source>
            <translation>Автомасштаб</translation>
        </message>
        <message>
            <source>DeleteLastLevel</source>
            <translation>Удалить последний уровень</translation>
        </message>
        <message>
            <source>AdditionalSettings</source>
            <translation>Доп. настройки</translation>
        </message>
        <message>
            <source>Store</source>
            <translation>Сохранить</translation>
        </message>
        <message>
            <source>AdjustFilter</source>
            <translation>Настроить фильтр</translation>
        </message>
        <message>
            <source>MicrophoneGain</source>
            <translation>Усиление микрофона</translation>
        </message>
        <message>
            <source>HeadphoneVolume</source>
            <translation>Громкость наушников</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Назад</translation>
        </message>
        <message>
            <source>PlayAudioData</source>
            <translation>Воспроизвести звук</translation>
        </message>
        <message>
            <source>StopPlaying</source>
            <translation>Остановить</translation>
        </message>
        <message>
            <source>PlayNextPosition</source>
            <translation>Следующая точка</translation>
        </message>
        <message>
            <source>LOG</source>
            <translation>LOG</translation>
        </message>
        <message>
            <source>Warning</source>
            <translation>Внимание</translation>
        </message>
        <message numerus="yes">
            <source>StoredWithoutTheSoundOfPoint</source>
            <translation>
                <numerusform>Сохранено без звука
точки %1.</numerusform>
                <numerusform>Сохранено без звука
точек %1.</numerusform>
                <numerusform>Сохранено без звука
точек %1.</numerusform>
            </translation>
        </message>
    </context>
    <context>
        <name>Pipelocating</name>
        <message>
            <source>Mainmenu</source>
            <translation>Главное меню</translation>
        </message>
        <message>
            <source>AdjustFilter</source>
            <translation>Настроить фильтр</translation>
        </message>
        <message>
            <source>MicrophoneGain</source>
            <translation>Усиление микрофона</translation>
        </message>
        <message>
            <source>HeadphoneVolume</source>
            <translation>Громкость наушников</translation>
        </message>
        <message>
            <source>Store</source>
            <translation>Сохранить</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Назад</translation>
        </message>
    </context>
    <context>
        <name>PressureSensor</name>
        <message>
            <source>Mainmenu</source>
            <translation>Главное меню</translation>
        </message>
        <message>
            <source>SetReferenceLevel</source>
            <translation>Задать опорный уровень</translation>
        </message>
        <message>
            <source>Range</source>
            <translation>Диапазон</translation>
        </message>
        <message>
            <source>HeadphoneVolume</source>
            <translation>Громкость наушников</translation>
        </message>
        <message>
            <source>Store</source>
            <translation>Сохранить</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Назад</translation>
        </message>
        <message>
            <source>%1 bar</source>
            <translation>%1 bar</translation>
        </message>
        <message>
            <source>MAX = %1 bar</source>
            <translation>МАКС = %1 bar</translation>
        </message>
        <message>
            <source>MIN = %1 bar</source>
            <translation>МИН = %1 bar</translation>
        </message>
        <message>
            <source>AVG = %1 bar</source>
            <translation>СРЕД = %1 bar</translation>
        </message>
        <message>
            <source>DEV = %1 bar</source>
            <translation>σ = %1 bar</translation>
        </message>
        <message>
            <source>ACT = %1 bar</source>
            <translation>ТЕК = %1 bar</translation>
        </message>
    </context>
    <context>
        <name>Systemsettings</name>
        <message>
            <source>Berlin</source>
            <translation>Берлин</translation>
        </message>
        <message>
            <source>Screenshot</source>
            <translation>Снимок экрана</translation>
        </message>
        <message>
            <source>Histogram</source>
            <translation>Гистограмма</translation>
        </message>
        <message>
            <source>LevelMeasurement</source>
            <translation>Измерение уровня</translation>
        </message>
        <message>
            <source>LongtermMeasurement</source>
            <translation>Длительное измерение</translation>
        </message>
        <message>
            <source>H2-Sensor</source>
            <translation>Датчик H2</translation>
        </message>
        <message>
            <source>Pipelocating</source>
            <translation>Поиск трубы</translation>
        </message>
        <message>
            <source>never</source>
            <translation>никогда</translation>
        </message>
        <message>
            <source>PreviousPage</source>
            <translation>Предыдущая страница</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation>Главное меню</translation>
        </message>
        <message>
            <source>NextPage</source>
            <translation>Следующая страница</translation>
        </message>
        <message>
            <source>ModeMuteButton</source>
            <translation>Отключение звука</translation>
        </message>
        <message>
            <source>HearingProtection</source>
            <translation>Защита слуха</translation>
        </message>
        <message>
            <source>Customize</source>
            <translation>Настройка экранов</translation>
        </message>
        <message>
            <source>differentValues</source>
            <translation>разные значения</translation>
        </message>
        <message>
            <source>PairedHeadphone</source>
            <translation>Сопряжённые наушники</translation>
        </message>
        <message>
            <source>PairedMicrophone</source>
            <translation>Сопряжённый микрофон</translation>
        </message>
        <message>
            <source>Brightness</source>
            <translation>Яркость</translation>
        </message>
        <message>
            <source>PowerSaving</source>
            <translation>Энергосбережение</translation>
        </message>
        <message>
            <source>FavouriteButton</source>
            <translation>Кнопка избранного</translation>
        </message>
        <message>
            <source>Systeminformation</source>
            <translation>Информация о системе</translation>
        </message>
        <message>
            <source>ResetToDeliverystate</source>
            <translation>Сброс</translation>
        </message>
        <message>
            <source>Language</source>
            <translation>Язык</translation>
        </message>
        <message>
            <source>Time</source>
            <translation>Время</translation>
        </message>
        <message>
            <source>Date</source>
            <translation>Дата</translation>
        </message>
        <message>
            <source>Timezone</source>
            <translation>Часовой пояс</translation>
        </message>
        <message>
            <source>DaylightSavingTime</source>
            <translation>Летнее/зимнее время</translation>
        </message>
        <message>
            <source>Switch</source>
            <translation>Переключатель</translation>
        </message>
        <message>
            <source>PushButton</source>
            <translation>Кнопка</translation>
        </message>
        <message>
            <source>Active</source>
            <translation>Вкл.</translation>
        </message>
        <message>
            <source>Inactive</source>
            <translation>Выкл.</translation>
        </message>
        <message>
            <source>low</source>
            <translation>низкая</translation>
        </message>
        <message>
            <source>medium</source>
            <translation>средняя</translation>
        </message>
        <message>
            <source>high</source>
            <translation>высокая</translation>
        </message>
        <message>
            <source>Summertime</source>
            <translation>Летнее время</translation>
        </message>
        <message>
            <source>Wintertime</source>
            <translation>Зимнее время</translation>
        </message>
        <message>
            <source>Error</source>
            <translation>Ошибка</translation>
        </message>
        <message>
            <source>SettingCouldNotBeStored</source>
            <translation>Не удалось сохранить настройку.</translation>
        </message>
    </context>
    <context>
        <name>MessageDialog</name>
        <message>
            <source>Yes</source>
            <translation>Да</translation>
        </message>
        <message>
            <source>No</source>
            <translation>Нет</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Отмена</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>OK</translation>
        </message>
    </context>
    <context>
        <name>Configuration</name>
        <message>
            <source>MicrophoneConfiguration</source>
            <translation>Конфигурация микрофона</translation>
        </message>
        <message>
            <source>SensorType</source>
            <translation>Тип датчика</translation>
        </message>
        <message>
            <source>Gain</source>
            <translation>Усиление</translation>
        </message>
        <message>
            <source>BatteryState</source>
            <translation>Заряд батареи</translation>
        </message>
        <message>
            <source>Firmwareversion</source>
            <translation>Версия ПО</translation>
        </message>
        <message>
            <source>HardwareVersion</source>
            <translation>Аппаратная версия</translation>
        </message>
        <message>
            <source>ButtonMode</source>
            <translation>Отключение звука</translation>
        </message>
        <message>
            <source>BluetoothName</source>
            <translation>Имя Bluetooth</translation>
        </message>
        <message>
            <source>BluetoothId</source>
            <translation>Bluetooth ID</translation>
        </message>
        <message>
            <source>Reload</source>
            <translation>Перечитать</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation>Главное меню</translation>
        </message>
        <message>
            <source>noSensor</source>
            <translation>нет датчика</translation>
        </message>
        <message>
            <source>unknown</source>
            <translation>неизвестно</translation>
        </message>
    </context>
    <context>
        <name>Statusbardata</name>
        <message>
            <source>Warning</source>
            <translation>Внимание</translation>
        </message>
        <message>
            <source>TheBatteryIsVeryLowPleaseRecharge</source>
            <translation>Батарея почти разряжена. Зарядите её.</translation>
        </message>
        <message>
            <source>TheSensorCouldNotBeDetected</source>
            <translation>Датчик не обнаружен.</translation>
        </message>
        <message>
            <source>BatteryVoltageOfQJ5ToLow</source>
            <translation>Батарея QJ-5 почти разряжена.
Зарядите её.</translation>
        </message>
        <message>
            <source>ProblemWithSensorTypeDetection</source>
            <translation>Не удалось определить тип датчика.
Закрепите датчик или очистите контакты.</translation>
        </message>
    </context>
    <context>
        <name>BluetoothPairing</name>
        <message>
            <source>SearchBluetoothDevices</source>
            <translation>Поиск Bluetooth-устройств</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Отмена</translation>
        </message>
        <message>
            <source>FoundBluetoothDevices</source>
            <translation>Найденные Bluetooth-устройства</translation>
        </message>
        <message>
            <source>EnablePairingModeAndPressSearchButton</source>
            <translation>Включите режим сопряжения
и коснитесь кнопки «Поиск».</translation>
        </message>
        <message>
            <source>Searching</source>
            <translation>Поиск</translation>
        </message>
        <message>
            <source>unknown</source>
            <translation>неизвестно</translation>
        </message>
        <message>
            <source>SelectDeviceForPairing</source>
            <translation>Выберите устройство для сопряжения.</translation>
        </message>
        <message>
            <source>NoDevicesFoundTryAgain</source>
            <translation>Устройства не найдены.</translation>
        </message>
        <message>
            <source>PairingDevice</source>
            <translation>Сопряжение</translation>
        </message>
        <message>
            <source>PairingNotSuccessfulPleaseTryAgain</source>
            <translation>Сопряжение не удалось. Повторите попытку.</translation>
        </message>
    </context>
    <context>
        <name>CustomizeDialogs</name>
        <message>
            <source>LevelMeasurement</source>
            <translation>Измерение уровня</translation>
        </message>
        <message>
            <source>ShowPeakLevelBar</source>
            <translation>Показывать пиковый уровень</translation>
        </message>
        <message>
            <source>UseFrequencyColorForLevelBar</source>
            <translation>Цвет частоты для шкалы уровня</translation>
        </message>
        <message>
            <source>ShowFrequencySpectrum</source>
            <translation>Показывать спектр частот</translation>
        </message>
        <message>
            <source>ShowFrequencyValue</source>
            <translation>Показывать частоту</translation>
        </message>
        <message>
            <source>Histogram</source>
            <translation>Гистограмма</translation>
        </message>
        <message>
            <source>ShowFilterParameter</source>
            <translation>Показывать параметры фильтра</translation>
        </message>
        <message>
            <source>DynamicScaling</source>
            <translation>Динамический масштаб</translation>
        </message>
        <message>
            <source>LongtermMeasurement</source>
            <translation>Длительное измерение</translation>
        </message>
        <message>
            <source>ShowGrid</source>
            <translation>Показывать сетку</translation>
        </message>
        <message>
            <source>H2measurement</source>
            <translation>Измерение H2</translation>
        </message>
        <message>
            <source>ShowHistogram</source>
            <translation>Показывать гистограмму</translation>
        </message>
        <message>
            <source>ShowWorkingRange</source>
            <translation>Показывать рабочий диапазон</translation>
        </message>
        <message>
            <source>Pipelocating</source>
            <translation>Поиск трубы</translation>
        </message>
        <message>
            <source>PowerOn</source>
            <translation>Действия при включении</translation>
        </message>
        <message>
            <source>StartWithFavourite</source>
            <translation>Запуск с избранной функции</translation>
        </message>
        <message>
            <source>StartWithFilter</source>
            <translation>Запуск с вкл. фильтрами</translation>
        </message>
        <message>
            <source>StartWithGps</source>
            <translation>GPS</translation>
        </message>
        <message>
            <source>PreviousPage</source>
            <translation>Предыдущая страница</translation>
        </message>
        <message>
            <source>Accept</source>
            <translation>Принять</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Отмена</translation>
        </message>
        <message>
            <source>NextPage</source>
            <translation>Следующая страница</translation>
        </message>
    </context>
    <context>
        <name>DateTimeAdjust</name>
        <message>
            <source>Day</source>
            <translation>День</translation>
        </message>
        <message>
            <source>Month</source>
            <translation>Месяц</translation>
        </message>
        <message>
            <source>Year</source>
            <translation>Год</translation>
        </message>
        <message>
            <source>GPS</source>
            <translation>GPS</translation>
        </message>
        <message>
            <source>Manual</source>
            <translation>Вручную</translation>
        </message>
        <message>
            <source>Hour</source>
            <translation>Час</translation>
        </message>
        <message>
            <source>Minute</source>
            <translation>Минута</translation>
        </message>
        <message>
            <source>Second</source>
            <translation>Сек.</translation>
        </message>
        <message>
            <source>Accept</source>
            <translation>Принять</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Отмена</translation>
        </message>
        <message>
            <source>InvalidDate</source>
            <translation>Неверная дата</translation>
        </message>
        <message>
            <source>DateDoesNotExist</source>
            <translation>Такой даты не существует. Исправьте её.</translation>
        </message>
    </context>
    <context>
        <name>Displaysettings</name>
        <message>
            <source>Accept</source>
            <translation>Принять</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Отмена</translation>
        </message>
        <message>
            <source>Brightness</source>
            <translation>Яркость</translation>
        </message>
        <message>
            <source>high</source>
            <translation>высокая</translation>
        </message>
        <message>
            <source>medium</source>
            <translation>средняя</translation>
        </message>
        <message>
            <source>low</source>
            <translation>низкая</translation>
        </message>
    </context>
    <context>
        <name>HearingProtection</name>
        <message>
            <source>Accept</source>
            <translation>Принять</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Отмена</translation>
        </message>
        <message>
            <source>HearingProtection</source>
            <translation>Защита слуха</translation>
        </message>
        <message>
            <source>Active</source>
            <translation>Вкл.</translation>
        </message>
        <message>
            <source>Inactive</source>
            <translation>Выкл.</translation>
        </message>
        <message>
            <source>DefaultHeadphoneVolume</source>
            <translation>Громкость наушников</translation>
        </message>
        <message>
            <source>WarningRiskOfAcousticShock</source>
            <translation>Внимание! Риск акустического удара.</translation>
        </message>
        <message>
            <source>MaximumVolumeWillBeLimited</source>
            <translation>Макс. громкость будет ограничена.</translation>
        </message>
    </context>
    <context>
        <name>PowerSaving</name>
        <message>
            <source>Accept</source>
            <translation>Принять</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Отмена</translation>
        </message>
        <message>
            <source>BacklightOff</source>
            <translation>Подсветка выкл.</translation>
        </message>
        <message>
            <source>PowerOff</source>
            <translation>Выключение</translation>
        </message>
        <message>
            <source>never</source>
            <translation>никогда</translation>
        </message>
    </context>
    <context>
        <name>ResetSettings</name>
        <message>
            <source>Back</source>
            <translation>Назад</translation>
        </message>
        <message>
            <source>Warning</source>
            <translation>Внимание</translation>
        </message>
        <message>
            <source>ResetToDeliveryState</source>
            <translation>Сброс к заводским настройкам.
Все настройки (напр. язык,
сопряжённые Bluetooth-устройства) будут сброшены.
Сохранённые измерения не удаляются.</translation>
        </message>
        <message>
            <source>Reset</source>
            <translation>Сброс</translation>
        </message>
        <message>
            <source>DoYouReallyWantToResetAllSettings</source>
            <translation>Действительно сбросить все настройки?</translation>
        </message>
    </context>
    <context>
        <name>SelectFavouriteButton</name>
        <message>
            <source>Accept</source>
            <translation>Принять</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Отмена</translation>
        </message>
    </context>
    <context>
        <name>SelectSwitchmode</name>
        <message>
            <source>Accept</source>
            <translation>Принять</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Отмена</translation>
        </message>
        <message>
            <source>ModeOfMutingButton</source>
            <translation>Режим кнопки отключения звука</translation>
        </message>
        <message>
            <source>Switch</source>
            <translation>Переключатель</translation>
        </message>
        <message>
            <source>PushButton</source>
            <translation>Кнопка</translation>
        </message>
    </context>
    <context>
        <name>SelectTimezone</name>
        <message>
            <source>DaylightSavingTime</source>
            <translation>Летнее/зимнее время</translation>
        </message>
        <message>
            <source>Summertime</source>
            <translation>Летнее время</translation>
        </message>
        <message>
            <source>Wintertime</source>
            <translation>Зимнее время</translation>
        </message>
        <message>
            <source>Accept</source>
            <translation>Принять</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Отмена</translation>
        </message>
        <message>
            <source>MidwayIslands</source>
            <translation>Острова Мидуэй</translation>
        </message>
        <message>
            <source>Hawaii</source>
            <translation>Гавайи</translation>
        </message>
        <message>
            <source>Alaska</source>
            <translation>Аляска</translation>
        </message>
        <message>
            <source>Pacific</source>
            <translation>Тихоокеанское</translation>
        </message>
        <message>
            <source>Arizona</source>
            <translation>Аризона</translation>
        </message>
        <message>
            <source>Chicago</source>
            <translation>Чикаго</translation>
        </message>
        <message>
            <source>NewYork</source>
            <translation>Нью-Йорк</translation>
        </message>
        <message>
            <source>Manaus</source>
            <translation>Манаус</translation>
        </message>
        <message>
            <source>Newfoundland</source>
            <translation>Ньюфаундленд</translation>
        </message>
        <message>
            <source>Greenland</source>
            <translation>Гренландия</translation>
        </message>
        <message>
            <source>MiddleAtlantic</source>
            <translation>Среднеатлантическое</translation>
        </message>
        <message>
            <source>Azores</source>
            <translation>Азорские острова</translation>
        </message>
        <message>
            <source>London</source>
            <translation>Лондон</translation>
        </message>
        <message>
            <source>Berlin</source>
            <translation>Берлин</translation>
        </message>
        <message>
            <source>Cairo</source>
            <translation>Каир</translation>
        </message>
        <message>
            <source>Moscow</source>
            <translation>Москва</translation>
        </message>
        <message>
            <source>Teheran</source>
            <translation>Тегеран</translation>
        </message>
        <message>
            <source>AbuDhabi</source>
            <translation>Абу-Даби</translation>
        </message>
        <message>
            <source>Kabul</source>
            <translation>Кабул</translation>
        </message>
        <message>
            <source>Islamabad</source>
            <translation>Исламабад</translation>
        </message>
        <message>
            <source>NewDelhi</source>
            <translation>Нью-Дели</translation>
        </message>
        <message>
            <source>Katmandu</source>
            <translation>Катманду</translation>
        </message>
        <message>
            <source>Nowosibirsk</source>
            <translation>Новосибирск</translation>
        </message>
        <message>
            <source>Yangon</source>
            <translation>Янгон</translation>
        </message>
        <message>
            <source>Bangkok</source>
            <translation>Бангкок</translation>
        </message>
        <message>
            <source>HongKong</source>
            <translation>Гонконг</translation>
        </message>
        <message>
            <source>Tokio</source>
            <translation>Токио</translation>
        </message>
        <message>
            <source>Darwin</source>
            <translation>Дарвин</translation>
        </message>
        <message>
            <source>Sydney</source>
            <translation>Сидней</translation>
        </message>
        <message>
            <source>Magadan</source>
            <translation>Магадан</translation>
        </message>
        <message>
            <source>Fiji</source>
            <translation>Фиджи</translation>
        </message>
    </context>
    <context>
        <name>Systeminformation</name>
        <message>
            <source>Systeminformation</source>
            <translation>Информация о системе</translation>
        </message>
        <message>
            <source>Firmwareversion</source>
            <translation>Версия ПО</translation>
        </message>
        <message>
            <source>Serialnumber</source>
            <translation>Серийный номер</translation>
        </message>
        <message>
            <source>BluetoothIdTx</source>
            <translation>Bluetooth ID TX</translation>
        </message>
        <message>
            <source>BluetoothIdRx</source>
            <translation>Bluetooth ID RX</translation>
        </message>
        <message>
            <source>Hardwareversion</source>
            <translation>Аппаратная версия</translation>
        </message>
        <message>
            <source>OperatingSystem</source>
            <translation>Операц. система</translation>
        </message>
        <message>
            <source>Battery</source>
            <translation>Батарея</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Назад</translation>
        </message>
        <message>
            <source>unknown</source>
            <translation>неизвестно</translation>
        </message>
    </context>
    <context>
        <name>BackupDialog</name>
        <message>
            <source>ConnectTheTKR9400ToYourPC</source>
            <translation>Подключите TKR 9400 к ПК
и коснитесь кнопки «Подключить».</translation>
        </message>
        <message>
            <source>Connect</source>
            <translation>Подключить</translation>
        </message>
        <message>
            <source>Disconnect</source>
            <translation>Отключить</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Отмена</translation>
        </message>
        <message>
            <source>Warning</source>
            <translation>Внимание</translation>
        </message>
        <message>
            <source>DataMemoryNotMounted</source>
            <translation>Не удалось подключить память данных.
Перезапустите прибор.</translation>
        </message>
        <message>
            <source>Error</source>
            <translation>Ошибка</translation>
        </message>
        <message>
            <source>DataTransferNotPossible</source>
            <translation>Память данных занята.
Повторите попытку.</translation>
        </message>
    </context>
    <context>
        <name>Measurements</name>
        <message>
            <source>Error</source>
            <translation>Ошибка</translation>
        </message>
        <message>
            <source>Warning</source>
            <translation>Внимание</translation>
        </message>
        <message>
            <source>NoMoreMeasurementsCanBeStored</source>
            <translation>Достигнуто макс. число измерений.
Измерение не будет сохранено.
Удалите старые измерения.</translation>
        </message>
        <message>
            <source>OnlyAfewMeasurementsCanBeStored</source>
            <translation>Число измерений близко к пределу.
Удалите старые измерения.</translation>
        </message>
        <message>
            <source>MeasurementCouldNotBeStored</source>
            <translation>Не удалось сохранить измерение.</translation>
        </message>
    </context>
    <context>
        <name>MeasuringPage</name>
        <message>
            <source>YouMustConnectAnAcousticalSensorToUseThisMeasurement.</source>
            <translation>Для этого измерения
подключите акустический датчик.</translation>
        </message>
        <message>
            <source>Note</source>
            <translation>Примечание</translation>
        </message>
        <message>
            <source>Warning</source>
            <translation>Внимание</translation>
        </message>
        <message>
            <source>NoBluetoothConnectionPleaseCheckYourQJ5</source>
            <translation>Нет соединения Bluetooth.
Проверьте QJ-5.</translation>
        </message>
    </context>
    <context>
        <name>Filtersettings</name>
        <message>
            <source>Accept</source>
            <translation>Принять</translation>
        </message>
        <message>
            <source>MicrophoneGain</source>
            <translation>Усиление микрофона</translation>
        </message>
        <message>
            <source>HeadphoneVolume</source>
            <translation>Громкость наушников</translation>
        </message>
        <message>
            <source>AutomaticFilterSetting</source>
            <translation>Автонастройка фильтра</translation>
        </message>
        <message>
            <source>NoFilter</source>
            <translation>Без фильтра</translation>
        </message>
    </context>
    <context>
        <name>Headphonesettings</name>
        <message>
            <source>Accept</source>
            <translation>Принять</translation>
        </message>
        <message>
            <source>WarningRiskOfAcousticShock</source>
            <translation>Внимание! Риск акустического удара.</translation>
        </message>
        <message>
            <source>WarningHighVolumesCanLeadToHearingDamage</source>
            <translation>Внимание!
Высокая громкость может повредить слух.</translation>
        </message>
    </context>
    <context>
        <name>Micsettings</name>
        <message>
            <source>Accept</source>
            <translation>Принять</translation>
        </message>
    </context>
    <context>
        <name>Firmwareupdate</name>
        <message>
            <source>ConnectTheTKR9400ToYourPC</source>
            <translation>Подключите TKR 9400 к ПК
и коснитесь кнопки «Подключить».</translation>
        </message>
        <message>
            <source>Connect</source>
            <translation>Подключить</translation>
        </message>
        <message>
            <source>Disconnect</source>
            <translation>Отключить</translation>
        </message>
        <message>
            <source>UpdateDevice</source>
            <translation>Обновление ПО</translation>
        </message>
        <message>
            <source>CurrentFirmware</source>
            <translation>Текущее ПО</translation>
        </message>
        <message>
            <source>NewFirmware</source>
            <translation>Новое ПО</translation>
        </message>
        <message>
            <source>Accept</source>
            <translation>Принять</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Отмена</translation>
        </message>
        <message>
            <source>TransmittingFirmware</source>
            <translation>Передача ПО</translation>
        </message>
        <message>
            <source>Status</source>
            <translation>Состояние</translation>
        </message>
        <message>
            <source>UpdatingDevice</source>
            <translation>Обновление прибора</translation>
        </message>
        <message>
            <source>PleaseWaitForReboot</source>
            <translation>Дождитесь перезагрузки.</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>ConnectTheTKR9400ToYourPCAndPressTheButtonConnect</source>
            <translation>Подключите TKR 9400 к ПК
и коснитесь кнопки «Подключить».</translation>
        </message>
        <message>
            <source>DataTransferNotPossible</source>
            <translation>Память данных занята.
Повторите попытку.</translation>
        </message>
        <message>
            <source>PleaseCopyTheFirmwarefilesPressTheButtonDisconnectIfAllFilesAreCopied</source>
            <translation>Скопируйте файлы ПО.
Коснитесь кнопки «Отключить»,
когда все файлы скопированы.</translation>
        </message>
        <message>
            <source>DataMemoryNotMounted</source>
            <translation>Не удалось подключить память данных.
Перезапустите прибор.</translation>
        </message>
        <message>
            <source>UpdateTKR9400</source>
            <translation>Обновить TKR 9400</translation>
        </message>
        <message>
            <source>UpdateQJ-5</source>
            <translation>Обновить QJ-5</translation>
        </message>
        <message>
            <source>CouldNotReadFirmwarefile</source>
            <translation>Не удалось прочитать файл ПО.
Повторите попытку.</translation>
        </message>
        <message>
            <source>UpdatingTKR9400</source>
            <translation>Обновление TKR 9400</translation>
        </message>
        <message>
            <source>CopyingFilesPleaseWait</source>
            <translation>Копирование файлов, подождите ...</translation>
        </message>
        <message>
            <source>CouldNotCopyFirmwarefile</source>
            <translation>Не удалось скопировать файл ПО.
Повторите попытку.</translation>
        </message>
        <message>
            <source>FirmwareupdateQJ-5</source>
            <translation>Обновление ПО QJ-5</translation>
        </message>
        <message>
            <source>FirmwareupdateSuccessfullyFinished.</source>
            <translation>Обновление ПО успешно завершено.</translation>
        </message>
        <message>
            <source>FirmwareupdateTKR9400</source>
            <translation>Обновление ПО TKR 9400</translation>
        </message>
        <message>
            <source>AllFilesCopiedPleaseWaitForReboot</source>
            <translation>Все файлы скопированы.
Дождитесь перезагрузки ...</translation>
        </message>
        <message>
            <source>FirmwareupdateCancelled</source>
            <translation>Обновление ПО отменено.</translation>
        </message>
        <message>
            <source>TransmittingFirmwarePleaseWait</source>
            <translation>Передача ПО. Подождите ...</translation>
        </message>
        <message>
            <source>ErrorDuringFirmwareUpdatePleaseTryAgain</source>
            <translation>Ошибка при обновлении ПО.
Повторите попытку.</translation>
        </message>
        <message>
            <source>FirmwareSuccessfulTransmittedPleaseWaitForRestart</source>
            <translation>ПО успешно передано.
Не выключайте QJ-5.
Дождитесь перезапуска.</translation>
        </message>
        <message>
            <source>FirmwareupdateSuccessful</source>
            <translation>ПО успешно обновлено.</translation>
        </message>
        <message>
            <source>ErrorDuringUpdatePleaseTryAgainNoAnswerReceivedFromBluetoothDevice</source>
            <translation>Ошибка обновления. Повторите.
Нет ответа от Bluetooth-устройства.</translation>
        </message>
    </context>
    <context>
        <name>TestMenu</name>
        <message>
            <source>PreviousPage</source>
            <translation>Предыдущая страница</translation>
        </message>
        <message>
            <source>Mainmenu</source>
            <translation>Главное меню</translation>
        </message>
        <message>
            <source>NextPage</source>
            <translation>Следующая страница</translation>
        </message>
    </context>
    <context>
        <name>TestMenuAudioLoopback</name>
        <message>
            <source>Back</source>
            <translation>Назад</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Годен</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Брак</translation>
        </message>
    </context>
    <context>
        <name>TestMenuFlashUpdate</name>
        <message>
            <source>Back</source>
            <translation>Назад</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Годен</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Брак</translation>
        </message>
    </context>
    <context>
        <name>TestmenuAudio</name>
        <message>
            <source>Back</source>
            <translation>Назад</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Годен</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Брак</translation>
        </message>
    </context>
    <context>
        <name>TestmenuBattery</name>
        <message>
            <source>Back</source>
            <translation>Назад</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Годен</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Брак</translation>
        </message>
    </context>
    <context>
        <name>TestmenuDisplay</name>
        <message>
            <source>Back</source>
            <translation>Назад</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Годен</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Брак</translation>
        </message>
    </context>
    <context>
        <name>TestmenuGps</name>
        <message>
            <source>Back</source>
            <translation>Назад</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Годен</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Брак</translation>
        </message>
    </context>
    <context>
        <name>TestmenuInitBluetooth</name>
        <message>
            <source>Back</source>
            <translation>Назад</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Годен</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Брак</translation>
        </message>
    </context>
    <context>
        <name>TestmenuKeyboard</name>
        <message>
            <source>Back</source>
            <translation>Назад</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Годен</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Брак</translation>
        </message>
    </context>
    <context>
        <name>TestmenuLed</name>
        <message>
            <source>Back</source>
            <translation>Назад</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Годен</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Брак</translation>
        </message>
    </context>
    <context>
        <name>TestmenuRemoteCtrl</name>
        <message>
            <source>Back</source>
            <translation>Назад</translation>
        </message>
    </context>
    <context>
        <name>TestmenuSdcard</name>
        <message>
            <source>Back</source>
            <translation>Назад</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Годен</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Брак</translation>
        </message>
    </context>
    <context>
        <name>TestmenuSelftest</name>
        <message>
            <source>Back</source>
            <translation>Назад</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Годен</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Брак</translation>
        </message>
    </context>
    <context>
        <name>TestmenuSensordetection</name>
        <message>
            <source>Back</source>
            <translation>Назад</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Годен</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Брак</translation>
        </message>
    </context>
    <context>
        <name>TestmenuUartUsbSwitch</name>
        <message>
            <source>Back</source>
            <translation>Назад</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Годен</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Брак</translation>
        </message>
    </context>
    <context>
        <name>TestmenuUsb</name>
        <message>
            <source>Back</source>
            <translation>Назад</translation>
        </message>
        <message>
            <source>Pass</source>
            <translation>Годен</translation>
        </message>
        <message>
            <source>Fail</source>
            <translation>Брак</translation>
        </message>
    </context>
    <context>
        <name>MeasManagementEdit</name>
        <message>
            <source>ChangeName</source>
            <translation>Изменить имя</translation>
        </message>
        <message>
            <source>Accept</source>
            <translation>Принять</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Отмена</translation>
        </message>
        <message>
            <source>Delete</source>
            <translation>Удалить</translation>
        </message>
        <message>
            <source>Histogram</source>
            <translation>Гистограмма</translation>
        </message>
        <message>
            <source>Levelmeasurement</source>
            <translation>Измерение уровня</translation>
        </message>
        <message>
            <source>Pipelocating</source>
            <translation>Поиск трубы</translation>
        </message>
        <message>
            <source>H2-Measurement</source>
            <translation>Измерение H2</translation>
        </message>
        <message>
            <source>Longtermmeasurement</source>
            <translation>Длительное измерение</translation>
        </message>
    </context>
    <context>
        <name>AudioWorker</name>
        <message>
            <source>StoringTheSoundPleaseWait</source>
            <translation>Сохранение звука.
Подождите ...</translation>
        </message>
    </context>
</TS>
