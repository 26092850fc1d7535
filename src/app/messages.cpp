#include "app/messages.h"

#include <stdexcept>

namespace lorvex {

namespace {

// Slot k holds message 101 + k. 102 is reserved and shown nowhere.
const char *const builtInTexts[MessageTable::count + MessageTable::extraCount] = {
    "Lorvex",                                                                                                   // 101
    "Lorvex PLL",                                                                                               // 102
    "Frekans Bilgileri",                                                                                        // 103
    "Referans Osc.",                                                                                            // 104
    "Giriş Frekansı",                                                                                           // 105
    "Referans Bölücüleri",                                                                                      // 106
    "Toplamı",                                                                                                  // 107
    "Bölme Sonucu",                                                                                             // 108
    "Değeri",                                                                                                   // 109
    "Giriş Frekansı Bölme",                                                                                     // 110
    "Bölme Oranı",                                                                                              // 111
    "Gerekli",                                                                                                  // 112
    "Giriş Bölücüleri",                                                                                         // 113
    "Seçilen",                                                                                                  // 114
    "Sonuç Bilgileri",                                                                                          // 115
    "PLL'in kilitlenmesi için uygun değerleri seçtiniz. Bilgileriniz aşağıda listelenmiştir.",                  // 116
    "Panoya Kopyala",                                                                                           // 117
    "BMP Olarak Kaydet",                                                                                        // 118
    "Kapat",                                                                                                    // 119
    "Değerleri",                                                                                                // 120
    "Görüntü dosyası daha önce kaydedilmiş!",                                                                   // 121
    "Görüntü dosyası aşağıdaki konuma kaydedildi. Şimdi açmak ister misiniz?",                                  // 122
    "Dosya kaydedilemedi!",                                                                                     // 123
    "Liste Oluşturma",                                                                                          // 124
    "Referans Osc. Aralığı",                                                                                    // 125
    "Başlama",                                                                                                  // 126
    "Bitiş",                                                                                                    // 127
    "Adım",                                                                                                     // 128
    "Giriş Frekansı Aralığı",                                                                                   // 129
    "Liste Oluştur",                                                                                            // 130
    "Açık",                                                                                                     // 131
    "Girilen değer 1.000'den küçük olamaz!",                                                                    // 132
    "Girilen değer 20.000'den (20 Mhz) büyük olamaz!",                                                          // 133
    "Bitiş değeri, başlama değerinden küçük olamaz!",                                                           // 134
    "Başlama ve bitiş değeri arasındaki fark, adım değerinden büyük olmalıdır!",                                // 135
    "Referans Osc. listesinde 500'den fazla sonuç listelenmez. Lütfen, seçilen değerleri kontrol ediniz.",      // 136
    "Girilen değer 500.000'den (500 Mhz) büyük olamaz!",                                                        // 137
    "Bitiş değeri, başlama değerinden küçük olamaz!",                                                           // 138
    "Giriş frekansı listesinde 500'den fazla sonuç listelenmez. Lütfen, seçilen değerleri kontrol ediniz.",     // 139
    "Hakkında...",                                                                                              // 140
    "Çıkış",                                                                                                    // 141
    "Sürüm Bilgileri",                                                                                          // 142
    "Güncelleme Bilgileri",                                                                                     // 143
    "Güncellemeleri kontrol et",                                                                                // 144
    "Dil Dosyası Bilgileri",                                                                                    // 145
    "Dil dosyası seç",                                                                                          // 146
    "Web Bilgileri",                                                                                            // 147
    "Web sayfası:",                                                                                             // 148
    "Tavoran dosyası:",                                                                                         // 149
    "Tamam",                                                                                                    // 150
    "Hiçbir Zaman",                                                                                             // 151
    "Haftada Bir",                                                                                              // 152
    "Ayda Bir",                                                                                                 // 153
    "Yeni sürümü indirmek için tıklayınız",                                                                     // 154
    "Uygulama Güncel",                                                                                          // 155
    "İnternet bağlantınız olmadığı için güncelleme kontrol edilemiyor!",                                        // 156
    "Güncelleme kontrolü başarısız oldu.",                                                                      // 157
    "Güncelleme Uyarısı",                                                                                       // 158
    "Yeni Sürüm Bilgisi",                                                                                       // 159
    "Uygulamanın yeni bir sürümü yayımlanmış! Güncel sürümü, \"İndir\" düğmesine tıklayarak indirebilirsiniz.", // 160
    "Güncellemeleri tekrar kontrol etme",                                                                       // 161
    "Güncel Sürümü İndir",                                                                                      // 162
    "Program aşağıdaki hata nedeniyle devam edemiyor!",                                                         // 163
    "Hata Kodu:",                                                                                               // 164
    "Hata Yeri:",                                                                                               // 165
    "Hata Açıklaması:",                                                                                         // 166
    "Tümünü seç",                                                                                               // 167
    "Seçimi temizle",                                                                                           // 168
    "E-posta:",                                                                                                 // 169
    "Gerekli N'yi ayarla",                                                                                      // 170
    "Gerekli N henüz hesaplanmadı. Önce bir referans ve bir giriş frekansı seçiniz.",                           // 171
    "Gerekli N tam sayı değil; bu değer kutularla ayarlanamaz.",                                                // 172
    "Gerekli N, 1 ile 16.383 arasında olmalıdır.",                                                              // 173
    "Kanal planı...",                                                                                           // 174
    "Kanal Planı",                                                                                              // 175
    "Önce Referans Osc. listesinden bir satır seçiniz.",                                                        // 176
    "Giriş frekansı listesi boş. Önce listeyi oluşturunuz.",                                                    // 177
    "Giriş (Khz)",                                                                                              // 178
    "fIn / P (Khz)",                                                                                            // 179
    "Tam N",                                                                                                    // 180
    "Ayarlanan N",                                                                                              // 181
    "Elde Edilen (Khz)",                                                                                        // 182
    "Hata (Khz)",                                                                                               // 183
    "Hata (ppm)",                                                                                               // 184
    "Durum",                                                                                                    // 185
    "Ayarlanabilir",                                                                                            // 186
    "Tam değil",                                                                                                // 187
    "Aralık dışı",                                                                                              // 188
    "* Sabit pin: her ayarlanabilir kanalda aynı seviyede, kalıcı bağlanabilir",                                // 189
    "CSV Olarak Kaydet...",                                                                                     // 190
    "PDF Olarak Kaydet...",                                                                                     // 191
    "Sayfa",                                                                                                    // 192
    "Ayarlanabilir kanal:",                                                                                     // 193
    "Uygun değerleri bul...",                                                                                   // 194
    "Uygun Osilatör, R ve P",                                                                                   // 195
    "Referans Osc. listesi boş. Önce listeyi oluşturunuz.",                                                     // 196
    "N Aralığı",                                                                                                // 197
    "Sabit N Pinleri",                                                                                          // 198
    "Uyan Kanallar",                                                                                            // 199
    "Her kanala uyan bileşimler, en iyisi başta:",                                                              // 200
    "Hiçbir bileşim her kanala uymuyor. En çok kanala uyanlar:",                                                // 201
    "Uygula",                                                                                                   // 202
    "Bu kanal ayarlanamaz: gerekli N tam sayı değil ya da aralık dışında.",                                     // 203
};

} // namespace

MessageTable::MessageTable() { resetToBuiltIn(); }

int MessageTable::slot(int n)
{
    if (n < first || n > extraLast)
        throw std::out_of_range("message number outside the table");
    return n - first;
}

const QString &MessageTable::text(int n) const { return slots_[slot(n)]; }

void MessageTable::set(int n, const QString &value) { slots_[slot(n)] = value; }

void MessageTable::resetToBuiltIn()
{
    for (int n = first; n <= extraLast; ++n)
        slots_[slot(n)] = builtIn(n);
}

QString MessageTable::builtIn(int n) { return QString::fromUtf8(builtInTexts[slot(n)]); }

} // namespace lorvex
