<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>AccountFormDialog</name>
    <message>
        <source>New Account</source>
        <translation>新規口座</translation>
    </message>
    <message>
        <source>Edit Account</source>
        <translation>口座の編集</translation>
    </message>
    <message>
        <source>Account name</source>
        <translation>口座名</translation>
    </message>
    <message>
        <source>Checking</source>
        <translation>普通預金</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>貯蓄預金</translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation>クレジットカード</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>現金</translation>
    </message>
    <message>
        <source>Investment</source>
        <translation>投資</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>その他</translation>
    </message>
    <message>
        <source>Bank name (optional)</source>
        <translation>銀行名（任意）</translation>
    </message>
    <message>
        <source>Last 4 digits (optional)</source>
        <translation>下4桁（任意）</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>名前(&amp;N):</translation>
    </message>
    <message>
        <source>&amp;Type:</source>
        <translation>種類(&amp;T):</translation>
    </message>
    <message>
        <source>&amp;Currency:</source>
        <translation>通貨(&amp;C):</translation>
    </message>
    <message>
        <source>Starting &amp;Balance:</source>
        <translation>開始残高(&amp;B):</translation>
    </message>
    <message>
        <source>&amp;As of:</source>
        <translation>基準日(&amp;A):</translation>
    </message>
    <message>
        <source>&amp;Institution:</source>
        <translation>金融機関(&amp;I):</translation>
    </message>
    <message>
        <source>Account &amp;Number:</source>
        <translation>口座番号(&amp;U):</translation>
    </message>
</context>
<context>
    <name>AccountService</name>
    <message>
        <source>The account needs a name</source>
        <translation>口座名を入力してください</translation>
    </message>
    <message>
        <source>The amount is too large</source>
        <translation>金額が大きすぎます</translation>
    </message>
    <message>
        <source>The account could not be saved</source>
        <translation>口座を保存できませんでした</translation>
    </message>
    <message>
        <source>The account no longer exists</source>
        <translation>この口座はもう存在しません</translation>
    </message>
    <message>
        <source>The account could not be deleted</source>
        <translation>口座を削除できませんでした</translation>
    </message>
    <message>
        <source>The account is not deleted</source>
        <translation>この口座は削除されていません</translation>
    </message>
    <message>
        <source>The account could not be restored</source>
        <translation>口座を復元できませんでした</translation>
    </message>
    <message>
        <source>The account order could not be saved</source>
        <translation>口座の並び順を保存できませんでした</translation>
    </message>
</context>
<context>
    <name>AccountWindows</name>
    <message>
        <source>Varnaby Account</source>
        <translation>Varnaby アカウント</translation>
    </message>
    <message>
        <source>Share Account</source>
        <translation>口座を共有</translation>
    </message>
    <message>
        <source>Sharing: %1</source>
        <translation>共有: %1</translation>
    </message>
    <message>
        <source>Share this account with members of your Varnaby family group. They&apos;ll see the same register, balances, and reconciliation history on their devices.</source>
        <translation>この口座を Varnaby ファミリーグループのメンバーと共有します。メンバーのデバイスにも同じ記録、残高、照合履歴が表示されます。</translation>
    </message>
    <message>
        <source>Shared with</source>
        <translation>共有相手</translation>
    </message>
    <message>
        <source>Not shared with anyone yet.</source>
        <translation>まだ誰とも共有していません。</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>共有</translation>
    </message>
    <message>
        <source>Remove Selected</source>
        <translation>選択項目を削除</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Share Failed</source>
        <translation>共有に失敗しました</translation>
    </message>
    <message>
        <source>Remove Failed</source>
        <translation>削除に失敗しました</translation>
    </message>
    <message>
        <source>Remove Share</source>
        <translation>共有を解除</translation>
    </message>
    <message>
        <source>Remove %1&apos;s access to this account?</source>
        <translation>%1 のこの口座へのアクセスを解除しますか？</translation>
    </message>
    <message>
        <source>Select an account first</source>
        <translation>先に口座を選択してください</translation>
    </message>
    <message>
        <source>Sign In Required</source>
        <translation>サインインが必要です</translation>
    </message>
    <message>
        <source>Sharing requires a Varnaby account. Sign in via File › Sign In to enable sharing.</source>
        <translation>共有には Varnaby アカウントが必要です。ファイル › サインイン からサインインすると共有できるようになります。</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>A check register for household finances.</source>
        <translation>家計のための小切手記入帳です。</translation>
    </message>
    <message>
        <source>A QIF or CSV file to open in the import window.</source>
        <translation>インポート画面で開く QIF または CSV ファイル。</translation>
    </message>
    <message>
        <source>Database Error</source>
        <translation>データベースエラー</translation>
    </message>
    <message>
        <source>Failed to initialize the database.

Data directory: %1

Please check file permissions and try again.</source>
        <translation>データベースを初期化できませんでした。

データフォルダー: %1

ファイルのアクセス権を確認して、もう一度お試しください。</translation>
    </message>
</context>
<context>
    <name>BackupService</name>
    <message>
        <source>Failed to open ZIP archive</source>
        <translation>ZIP アーカイブを開けませんでした</translation>
    </message>
    <message>
        <source>The backup is too large to restore: it expands to more than 2 GiB.</source>
        <translation>バックアップが大きすぎて復元できません（展開すると 2 GiB を超えます）。</translation>
    </message>
    <message>
        <source>The backup is not a Ledgerwell backup: its entry %1 expands more than 200 times.</source>
        <translation>Ledgerwell のバックアップではありません（エントリ %1 の展開サイズが 200 倍を超えます）。</translation>
    </message>
    <message>
        <source>Invalid backup: missing manifest.json</source>
        <translation>無効なバックアップです: manifest.json がありません</translation>
    </message>
    <message>
        <source>Unsupported backup version: %1</source>
        <translation>対応していないバックアップのバージョンです: %1</translation>
    </message>
    <message>
        <source>Import cancelled; nothing was changed.</source>
        <translation>インポートを中止しました。何も変更されていません。</translation>
    </message>
    <message>
        <source>The backup could not be imported; nothing was changed.</source>
        <translation>バックアップをインポートできませんでした。何も変更されていません。</translation>
    </message>
    <message>
        <source>%1: invalid JSON</source>
        <translation>%1: 無効な JSON です</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>The export was cancelled.</source>
        <translation>書き出しを中止しました。</translation>
    </message>
    <message>
        <source>The data file could not be read whole, so no backup was written: %1. Check the data file (ledgerwell-cli check).</source>
        <translation>データファイル全体を読み取れなかったため、バックアップは作成されませんでした: %1。データファイルを確認してください (ledgerwell-cli check)。</translation>
    </message>
    <message>
        <source>%1 after %2 rows: %3</source>
        <translation>%1 (%2 行の処理後): %3</translation>
    </message>
    <message>
        <source>%1: the amount is larger than Ledgerwell can hold</source>
        <translation>%1: 金額が Ledgerwell で扱える上限を超えています</translation>
    </message>
</context>
<context>
    <name>CategoriesScreen</name>
    <message>
        <source>Categories</source>
        <translation>カテゴリ</translation>
    </message>
    <message>
        <source>+ New Category</source>
        <translation>+ 新規カテゴリ</translation>
    </message>
    <message>
        <source>Delete Category</source>
        <translation>カテゴリの削除</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;? Transactions using this category will become uncategorized.</source>
        <translation>「%1」を削除しますか？このカテゴリの取引は未分類になります。</translation>
    </message>
    <message>
        <source>Category Not Saved</source>
        <translation>カテゴリを保存できませんでした</translation>
    </message>
    <message>
        <source>&amp;New Category</source>
        <translation>新規カテゴリ(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>編集(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>削除(&amp;D)</translation>
    </message>
    <message numerus="yes">
        <source>Delete &quot;%1&quot;?

Its %n subcategories (%2) become top-level categories and keep their transactions. Transactions using &quot;%1&quot; itself will become uncategorized.</source>
        <translation>
            <numerusform>「%1」を削除しますか？

%n 個のサブカテゴリ (%2) は最上位カテゴリになり、その取引はそのまま残ります。「%1」自体を使用している取引は未分類になります。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CategoryDialog</name>
    <message>
        <source>New Category</source>
        <translation>新規カテゴリ</translation>
    </message>
    <message>
        <source>Edit Category</source>
        <translation>カテゴリの編集</translation>
    </message>
    <message>
        <source>Category &amp;name:</source>
        <translation>カテゴリ名(&amp;N):</translation>
    </message>
    <message>
        <source>&amp;Type:</source>
        <translation>種類(&amp;T):</translation>
    </message>
    <message>
        <source>&amp;Parent:</source>
        <translation>親カテゴリ(&amp;P):</translation>
    </message>
    <message>
        <source>Ta&amp;x code:</source>
        <translation>税区分(&amp;X):</translation>
    </message>
    <message>
        <source>Expense</source>
        <translation>支出</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>収入</translation>
    </message>
    <message>
        <source>Transfer</source>
        <translation>振替</translation>
    </message>
    <message>
        <source>(none: a top-level category)</source>
        <translation>(なし: 最上位カテゴリ)</translation>
    </message>
    <message>
        <source>A category with subcategories stays top-level</source>
        <translation>サブカテゴリを持つカテゴリは最上位のままです</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(なし)</translation>
    </message>
</context>
<context>
    <name>CategoryPrompt</name>
    <message>
        <source>New Category</source>
        <translation>新規カテゴリ</translation>
    </message>
    <message>
        <source>Category &quot;%1&quot; does not exist. Create it?</source>
        <translation>カテゴリ「%1」はありません。作成しますか？</translation>
    </message>
</context>
<context>
    <name>CategoryService</name>
    <message>
        <source>Charitable Donations</source>
        <translation>寄付</translation>
    </message>
    <message>
        <source>Medical Expenses</source>
        <translation>医療費</translation>
    </message>
    <message>
        <source>Business Expenses</source>
        <translation>事業経費</translation>
    </message>
    <message>
        <source>Home Office</source>
        <translation>在宅勤務</translation>
    </message>
    <message>
        <source>Education Expenses</source>
        <translation>教育費</translation>
    </message>
    <message>
        <source>State &amp; Local Taxes</source>
        <translation>住民税</translation>
    </message>
    <message>
        <source>Mortgage Interest</source>
        <translation>住宅ローン利息</translation>
    </message>
    <message>
        <source>Property Tax</source>
        <translation>固定資産税</translation>
    </message>
    <message>
        <source>Housing</source>
        <translation>住居</translation>
    </message>
    <message>
        <source>Rent/Mortgage Payment</source>
        <translation>家賃・住宅ローン</translation>
    </message>
    <message>
        <source>Maintenance</source>
        <translation>維持費</translation>
    </message>
    <message>
        <source>HOA</source>
        <translation>管理費</translation>
    </message>
    <message>
        <source>Utilities</source>
        <translation>公共料金</translation>
    </message>
    <message>
        <source>Electric</source>
        <translation>電気</translation>
    </message>
    <message>
        <source>Gas</source>
        <translation>ガス</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>水道</translation>
    </message>
    <message>
        <source>Internet</source>
        <translation>インターネット</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>電話</translation>
    </message>
    <message>
        <source>Transportation</source>
        <translation>交通費</translation>
    </message>
    <message>
        <source>Gas/Fuel</source>
        <translation>ガソリン</translation>
    </message>
    <message>
        <source>Car Payment</source>
        <translation>自動車ローン</translation>
    </message>
    <message>
        <source>Auto Insurance</source>
        <translation>自動車保険</translation>
    </message>
    <message>
        <source>Public Transit</source>
        <translation>公共交通機関</translation>
    </message>
    <message>
        <source>Groceries</source>
        <translation>食料品</translation>
    </message>
    <message>
        <source>Dining &amp; Restaurants</source>
        <translation>外食</translation>
    </message>
    <message>
        <source>Personal Care</source>
        <translation>日用品・美容</translation>
    </message>
    <message>
        <source>Pets</source>
        <translation>ペット</translation>
    </message>
    <message>
        <source>Subscriptions</source>
        <translation>サブスクリプション</translation>
    </message>
    <message>
        <source>Gifts</source>
        <translation>贈り物</translation>
    </message>
    <message>
        <source>Miscellaneous</source>
        <translation>雑費</translation>
    </message>
    <message>
        <source>Entertainment</source>
        <translation>娯楽</translation>
    </message>
    <message>
        <source>Streaming</source>
        <translation>動画・音楽配信</translation>
    </message>
    <message>
        <source>Movies</source>
        <translation>映画</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>イベント</translation>
    </message>
    <message>
        <source>Shopping</source>
        <translation>買い物</translation>
    </message>
    <message>
        <source>Clothing</source>
        <translation>衣類</translation>
    </message>
    <message>
        <source>Electronics</source>
        <translation>家電</translation>
    </message>
    <message>
        <source>Household</source>
        <translation>家庭用品</translation>
    </message>
    <message>
        <source>Insurance</source>
        <translation>保険</translation>
    </message>
    <message>
        <source>Health</source>
        <translation>医療保険</translation>
    </message>
    <message>
        <source>Life</source>
        <translation>生命保険</translation>
    </message>
    <message>
        <source>Home/Renters</source>
        <translation>火災・家財保険</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>自動車保険</translation>
    </message>
    <message>
        <source>Fees &amp; Charges</source>
        <translation>手数料</translation>
    </message>
    <message>
        <source>Bank Fees</source>
        <translation>銀行手数料</translation>
    </message>
    <message>
        <source>ATM Fees</source>
        <translation>ATM 手数料</translation>
    </message>
    <message>
        <source>Late Fees</source>
        <translation>延滞料</translation>
    </message>
    <message>
        <source>Salary / Wages</source>
        <translation>給与</translation>
    </message>
    <message>
        <source>Interest Income</source>
        <translation>受取利息</translation>
    </message>
    <message>
        <source>Dividend Income</source>
        <translation>配当金</translation>
    </message>
    <message>
        <source>Rental Income</source>
        <translation>不動産収入</translation>
    </message>
    <message>
        <source>Freelance / Consulting</source>
        <translation>副業・フリーランス</translation>
    </message>
    <message>
        <source>Refunds</source>
        <translation>払い戻し</translation>
    </message>
    <message>
        <source>Gifts Received</source>
        <translation>受け取った贈り物</translation>
    </message>
    <message>
        <source>Other Income</source>
        <translation>その他の収入</translation>
    </message>
    <message>
        <source>A category needs a name</source>
        <translation>カテゴリ名を入力してください</translation>
    </message>
    <message>
        <source>The parent category no longer exists</source>
        <translation>親カテゴリはもう存在しません</translation>
    </message>
    <message>
        <source>Categories have two levels: a subcategory cannot have children</source>
        <translation>カテゴリは 2 階層までです。サブカテゴリの下には作成できません</translation>
    </message>
    <message>
        <source>The category could not be saved</source>
        <translation>カテゴリを保存できませんでした</translation>
    </message>
    <message>
        <source>The category could not be deleted</source>
        <translation>カテゴリを削除できませんでした</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has subcategories, so it stays a top-level category</source>
        <translation>「%1」にはサブカテゴリがあるため、最上位カテゴリのままです</translation>
    </message>
</context>
<context>
    <name>CategoryTreeModel</name>
    <message>
        <source>Category</source>
        <translation>カテゴリ</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>種類</translation>
    </message>
    <message>
        <source>Tax Code</source>
        <translation>税区分</translation>
    </message>
</context>
<context>
    <name>CsvPreview</name>
    <message>
        <source>too few columns</source>
        <translation>列が足りません</translation>
    </message>
    <message>
        <source>no date in this format</source>
        <translation>この形式の日付がありません</translation>
    </message>
</context>
<context>
    <name>DamageGuard</name>
    <message>
        <source>Save What Can Be Read</source>
        <translation>読み取れるデータを保存</translation>
    </message>
    <message>
        <source>Backup Files (*.zip)</source>
        <translation>バックアップファイル (*.zip)</translation>
    </message>
    <message>
        <source>Data File Damaged</source>
        <translation>データファイルの破損</translation>
    </message>
    <message>
        <source>%1

Balances, lists and reports may be incomplete. Save what can still be read (Settings, Data &amp; Sync, Export) and check the file with &apos;ledgerwell-cli check&apos;.</source>
        <translation>%1

残高、一覧、レポートが不完全な可能性があります。読み取れるデータを保存し (環境設定、データと同期、バックアップを書き出す)、&apos;ledgerwell-cli check&apos; でファイルを確認してください。</translation>
    </message>
    <message>
        <source>Ledgerwell did not close normally last time, and the data file is damaged:

%1

Save what can still be read to a backup file now?</source>
        <translation>前回 Ledgerwell が正常に終了せず、データファイルが破損しています:

%1

読み取れるデータを今すぐバックアップファイルに保存しますか？</translation>
    </message>
    <message>
        <source>Could not write %1.</source>
        <translation>%1 を書き込めませんでした。</translation>
    </message>
    <message>
        <source>Everything was saved to %1.</source>
        <translation>すべて %1 に保存しました。</translation>
    </message>
    <message>
        <source>What could be read was saved to %1. Not saved:
%2</source>
        <translation>読み取れたデータを %1 に保存しました。保存できなかったもの:
%2</translation>
    </message>
</context>
<context>
    <name>DataSyncPage</name>
    <message>
        <source>Data &amp; Sync</source>
        <translation>データと同期</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>同期</translation>
    </message>
    <message>
        <source>Keep your ledgerwell in sync across all your devices.</source>
        <translation>すべてのデバイスで家計簿を同期します。</translation>
    </message>
    <message>
        <source>Backup &amp; Restore</source>
        <translation>バックアップと復元</translation>
    </message>
    <message>
        <source>Save or restore your data to a portable backup file.</source>
        <translation>データをバックアップファイルに保存、またはファイルから復元します。</translation>
    </message>
    <message>
        <source>Export Backup</source>
        <translation>バックアップを書き出す</translation>
    </message>
    <message>
        <source>Import Backup</source>
        <translation>バックアップを読み込む</translation>
    </message>
    <message>
        <source>Deleted Accounts</source>
        <translation>削除した口座</translation>
    </message>
    <message>
        <source>Accounts you&apos;ve deleted can be restored here.</source>
        <translation>削除した口座はここで復元できます。</translation>
    </message>
    <message>
        <source>Restore Selected</source>
        <translation>選択した口座を復元</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>ZIP Files (*.zip)</source>
        <translation>ZIP ファイル (*.zip)</translation>
    </message>
    <message>
        <source>Exporting...</source>
        <translation>書き出し中...</translation>
    </message>
    <message>
        <source>Exporting backup...</source>
        <translation>バックアップを書き出しています...</translation>
    </message>
    <message>
        <source>Export cancelled; no file was written.</source>
        <translation>書き出しを中止しました。ファイルは作成されていません。</translation>
    </message>
    <message>
        <source>Backup Complete</source>
        <translation>バックアップ完了</translation>
    </message>
    <message>
        <source>Backup saved to:
%1</source>
        <translation>バックアップの保存先:
%1</translation>
    </message>
    <message>
        <source>Backup Failed</source>
        <translation>バックアップ失敗</translation>
    </message>
    <message>
        <source>Could not write to:
%1</source>
        <translation>書き込めませんでした:
%1</translation>
    </message>
    <message>
        <source>Import Mode</source>
        <translation>インポート方法</translation>
    </message>
    <message>
        <source>How should existing data be handled?</source>
        <translation>既存のデータをどう扱いますか？</translation>
    </message>
    <message>
        <source>Replace all with backup data</source>
        <translation>すべてバックアップのデータに置き換える</translation>
    </message>
    <message>
        <source>Keep newer (compare timestamps)</source>
        <translation>新しい方を残す（日時を比較）</translation>
    </message>
    <message>
        <source>Skip existing items</source>
        <translation>既存の項目はスキップ</translation>
    </message>
    <message>
        <source>Import Failed</source>
        <translation>インポート失敗</translation>
    </message>
    <message>
        <source>Could not read file.</source>
        <translation>ファイルを読み込めませんでした。</translation>
    </message>
    <message>
        <source>Importing...</source>
        <translation>インポート中...</translation>
    </message>
    <message>
        <source>Importing backup...</source>
        <translation>バックアップを読み込んでいます...</translation>
    </message>
    <message>
        <source>Imported %1 items, skipped %2.</source>
        <translation>%1 件をインポートし、%2 件をスキップしました。</translation>
    </message>
    <message numerus="yes">
        <source>

%n error(s) occurred.</source>
        <translation>
            <numerusform>

%n 件のエラーが発生しました。</numerusform>
        </translation>
    </message>
    <message>
        <source>Import Complete</source>
        <translation>インポート完了</translation>
    </message>
    <message>
        <source>Restore Failed</source>
        <translation>復元失敗</translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <source>%1 is not a Ledgerwell data file.</source>
        <translation>%1 は Ledgerwell のデータファイルではありません。</translation>
    </message>
    <message>
        <source>The data file was written by a newer version of Ledgerwell (schema %1; this version knows up to %2). Update Ledgerwell to open it.</source>
        <translation>このデータファイルは新しいバージョンの Ledgerwell で作成されています（スキーマ %1、このバージョンの対応は %2 まで）。開くには Ledgerwell を更新してください。</translation>
    </message>
    <message>
        <source>The disk is full. Nothing was changed.</source>
        <translation>ディスクがいっぱいです。何も変更されていません。</translation>
    </message>
    <message>
        <source>The data file is read-only. Nothing was changed.</source>
        <translation>データファイルは読み取り専用です。何も変更されていません。</translation>
    </message>
    <message>
        <source>The data file is busy (another Ledgerwell program is writing). Nothing was changed; try again.</source>
        <translation>データファイルは使用中です（別の Ledgerwell プログラムが書き込み中）。何も変更されていません。もう一度お試しください。</translation>
    </message>
    <message>
        <source>The data file could not be written (a disk error). Nothing was changed.</source>
        <translation>データファイルに書き込めませんでした（ディスクエラー）。何も変更されていません。</translation>
    </message>
    <message>
        <source>The data file is damaged. Nothing was changed.</source>
        <translation>データファイルが破損しています。何も変更されていません。</translation>
    </message>
    <message>
        <source>Part of the data file could not be read (%1).</source>
        <translation>データファイルの一部を読み取れませんでした (%1)。</translation>
    </message>
</context>
<context>
    <name>EmptyStatePage</name>
    <message>
        <source>Create Account</source>
        <translation>口座を作成</translation>
    </message>
    <message>
        <source>Welcome to Varnaby Ledgerwell</source>
        <translation>Varnaby Ledgerwell へようこそ</translation>
    </message>
    <message>
        <source>Create your first account to get started.</source>
        <translation>まず最初の口座を作成しましょう。</translation>
    </message>
    <message>
        <source>You can also import transactions from a CSV file via File › Import.</source>
        <translation>[ファイル] › [インポート] から CSV ファイルの取引を読み込むこともできます。</translation>
    </message>
    <message>
        <source>Already have an account? Sign In</source>
        <translation>アカウントをお持ちの方はサインイン</translation>
    </message>
    <message>
        <source>Opens in your web browser</source>
        <translation>Web ブラウザーで開きます</translation>
    </message>
</context>
<context>
    <name>EntryReader</name>
    <message>
        <source>Enter a payment or deposit amount</source>
        <translation>支払額または入金額を入力してください</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an amount</source>
        <translation>「%1」は金額ではありません</translation>
    </message>
    <message>
        <source>Payee is required</source>
        <translation>取引先を入力してください</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date: type it as M/d/yyyy</source>
        <translation>「%1」は日付ではありません。M/d/yyyy の形式で入力してください</translation>
    </message>
</context>
<context>
    <name>ImportPreviewTable</name>
    <message numerus="yes">
        <source>(split: %n line(s))</source>
        <translation>
            <numerusform>(分割: %n 行)</numerusform>
        </translation>
    </message>
    <message>
        <source>Date as read</source>
        <translation>読み取った日付</translation>
    </message>
    <message>
        <source>Amount as read</source>
        <translation>読み取った金額</translation>
    </message>
    <message>
        <source>Col %1</source>
        <translation>列 %1</translation>
    </message>
    <message>
        <source>This amount cannot be read and imports as 0</source>
        <translation>この金額は読み取れないため 0 としてインポートされます</translation>
    </message>
    <message>
        <source>Skipped: %1</source>
        <translation>スキップ: %1</translation>
    </message>
    <message>
        <source>This row will be skipped: %1</source>
        <translation>この行はスキップされます: %1</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日付</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>取引先</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>金額</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>カテゴリ</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>口座</translation>
    </message>
</context>
<context>
    <name>ImportScreen</name>
    <message>
        <source>Select File</source>
        <translation>ファイルの選択</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>Import Transactions</source>
        <translation>取引のインポート</translation>
    </message>
    <message>
        <source>CSV</source>
        <translation>CSV</translation>
    </message>
    <message>
        <source>QIF</source>
        <translation>QIF</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>参照...</translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <translation>形式(&amp;F):</translation>
    </message>
    <message>
        <source>&amp;Account:</source>
        <translation>口座(&amp;A):</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>ファイル:</translation>
    </message>
    <message>
        <source>CSV Column Mapping:</source>
        <translation>CSV の列の割り当て:</translation>
    </message>
    <message>
        <source>Date column:</source>
        <translation>日付の列:</translation>
    </message>
    <message>
        <source>Payee column:</source>
        <translation>取引先の列:</translation>
    </message>
    <message>
        <source>Amount column:</source>
        <translation>金額の列:</translation>
    </message>
    <message>
        <source>Memo column:</source>
        <translation>メモの列:</translation>
    </message>
    <message>
        <source>Category column:</source>
        <translation>カテゴリの列:</translation>
    </message>
    <message>
        <source>First row is header</source>
        <translation>1 行目は見出し</translation>
    </message>
    <message>
        <source>Date format:</source>
        <translation>日付の形式:</translation>
    </message>
    <message>
        <source>QIF source accounts:</source>
        <translation>QIF の元口座:</translation>
    </message>
    <message>
        <source>This file contains multiple accounts. Choose where each should be imported.</source>
        <translation>このファイルには複数の口座が含まれています。それぞれのインポート先を選んでください。</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>インポート</translation>
    </message>
    <message>
        <source>No file selected</source>
        <translation>ファイルが選択されていません</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>（なし）</translation>
    </message>
    <message>
        <source>QIF Files (*.qif)</source>
        <translation>QIF ファイル (*.qif)</translation>
    </message>
    <message>
        <source>CSV Files (*.csv);;All Files (*)</source>
        <translation>CSV ファイル (*.csv);;すべてのファイル (*)</translation>
    </message>
    <message>
        <source>Col %1: %2</source>
        <translation>列 %1: %2</translation>
    </message>
    <message>
        <source>— Create new account &quot;%1&quot; —</source>
        <translation>— 新しい口座「%1」を作成 —</translation>
    </message>
    <message>
        <source>— Skip these transactions —</source>
        <translation>— これらの取引をスキップ —</translation>
    </message>
    <message>
        <source>No target account</source>
        <translation>インポート先の口座がありません</translation>
    </message>
    <message>
        <source>This file doesn&apos;t declare its own accounts, so you need a target account to import into. Create one now?</source>
        <translation>このファイルには口座の情報がないため、インポート先の口座が必要です。今すぐ作成しますか？</translation>
    </message>
    <message>
        <source>Importing...</source>
        <translation>インポート中...</translation>
    </message>
    <message>
        <source>Import failed</source>
        <translation>インポートに失敗しました</translation>
    </message>
    <message>
        <source>Import complete!</source>
        <translation>インポートが完了しました。</translation>
    </message>
    <message numerus="yes">
        <source>%n transaction(s) imported</source>
        <translation>
            <numerusform>%n 件の取引をインポートしました</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n duplicate(s) skipped</source>
        <translation>
            <numerusform>重複 %n 件をスキップしました</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) skipped (unparseable)</source>
        <translation>
            <numerusform>読み取れないレコード %n 件をスキップしました</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n metadata record(s) skipped</source>
        <translation>
            <numerusform>メタデータのレコード %n 件をスキップしました</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) skipped (unmapped source account)</source>
        <translation>
            <numerusform>割り当てのない元口座のレコード %n 件をスキップしました</numerusform>
        </translation>
    </message>
    <message>
        <source>Deposit column:</source>
        <translation>入金の列:</translation>
    </message>
    <message>
        <source>For files with separate columns for money in and money out: the amount column then holds the money out</source>
        <translation>入金と出金が別々の列になっているファイル用です。その場合、金額の列には出金が入ります</translation>
    </message>
    <message>
        <source>First records in the file:</source>
        <translation>ファイルの先頭のレコード:</translation>
    </message>
    <message>
        <source>Dates are read as %1.</source>
        <translation>日付は %1 として読み取られます。</translation>
    </message>
    <message>
        <source>Dates are read as %1, which cannot read &quot;%2&quot; in the first row: choose another date format.</source>
        <translation>日付は %1 として読み取られますが、この形式では 1 行目の「%2」を読み取れません。別の日付の形式を選択してください。</translation>
    </message>
</context>
<context>
    <name>ImportService</name>
    <message>
        <source>The import failed; nothing was changed.</source>
        <translation>インポートに失敗しました。何も変更されていません。</translation>
    </message>
</context>
<context>
    <name>LineCommitter</name>
    <message>
        <source>Reconciled Transaction</source>
        <translation>照合済みの取引</translation>
    </message>
    <message>
        <source>This transaction is reconciled. Change it anyway?</source>
        <translation>この取引は照合済みです。変更しますか？</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;New Transaction</source>
        <translation>新規取引(&amp;N)</translation>
    </message>
    <message>
        <source>New &amp;Account</source>
        <translation>新規口座(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>インポート(&amp;I)...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>終了(&amp;Q)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>編集(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>検索(&amp;F)...</translation>
    </message>
    <message>
        <source>&amp;Preferences...</source>
        <translation>環境設定(&amp;P)...</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>表示(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Reports</source>
        <translation>レポート(&amp;R)</translation>
    </message>
    <message>
        <source>Re&amp;curring Transactions</source>
        <translation>定期取引(&amp;C)</translation>
    </message>
    <message>
        <source>C&amp;ategories</source>
        <translation>カテゴリ(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Account</source>
        <translation>口座(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>編集(&amp;E)...</translation>
    </message>
    <message>
        <source>&amp;Reconcile...</source>
        <translation>照合(&amp;R)...</translation>
    </message>
    <message>
        <source>Reconciliation &amp;History...</source>
        <translation>照合履歴(&amp;H)...</translation>
    </message>
    <message>
        <source>Rename &amp;Payees...</source>
        <translation>取引先の名前変更(&amp;P)...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>削除(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;About Varnaby Ledgerwell</source>
        <translation>Varnaby Ledgerwell について(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>キーボードショートカット(&amp;K)</translation>
    </message>
    <message>
        <source>Load &amp;Sample Data</source>
        <translation>サンプルデータを読み込む(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Clear Sample Data</source>
        <translation>サンプルデータを消去(&amp;C)</translation>
    </message>
    <message>
        <source>Sample Data</source>
        <translation>サンプルデータ</translation>
    </message>
    <message>
        <source>Sample data is already loaded.</source>
        <translation>サンプルデータはすでに読み込まれています。</translation>
    </message>
    <message>
        <source>Sample data loaded</source>
        <translation>サンプルデータを読み込みました</translation>
    </message>
    <message>
        <source>No sample data to clear.</source>
        <translation>消去するサンプルデータはありません。</translation>
    </message>
    <message>
        <source>Sample data cleared</source>
        <translation>サンプルデータを消去しました</translation>
    </message>
    <message>
        <source>About Varnaby Ledgerwell</source>
        <translation>Varnaby Ledgerwell について</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Varnaby Ledgerwell&lt;/h3&gt;&lt;p&gt;Version %1&lt;/p&gt;&lt;p&gt;A digital check register for household finances.&lt;/p&gt;&lt;p&gt;&lt;small&gt;This application uses the Qt framework under the GNU LGPL version 3 licence. See &lt;a href=&quot;https://www.qt.io/&quot;&gt;qt.io&lt;/a&gt; and &lt;a href=&quot;https://code.qt.io/&quot;&gt;code.qt.io&lt;/a&gt; for the framework and its source code.&lt;/small&gt;&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Varnaby Ledgerwell&lt;/h3&gt;&lt;p&gt;バージョン %1&lt;/p&gt;&lt;p&gt;家計のためのデジタル小切手記入帳です。&lt;/p&gt;&lt;p&gt;&lt;small&gt;このアプリケーションは GNU LGPL バージョン 3 のもとで Qt フレームワークを使用しています。フレームワークとそのソースコードについては &lt;a href=&quot;https://www.qt.io/&quot;&gt;qt.io&lt;/a&gt; と &lt;a href=&quot;https://code.qt.io/&quot;&gt;code.qt.io&lt;/a&gt; をご覧ください。&lt;/small&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&amp;Sign In...</source>
        <translation>サインイン(&amp;S)...</translation>
    </message>
    <message>
        <source>Sign &amp;Out</source>
        <translation>サインアウト(&amp;O)</translation>
    </message>
    <message>
        <source>What&apos;s &amp;New...</source>
        <translation>新機能(&amp;N)...</translation>
    </message>
    <message>
        <source>Check for &amp;Updates...</source>
        <translation>アップデートを確認(&amp;U)...</translation>
    </message>
    <message>
        <source>&amp;Share...</source>
        <translation>共有(&amp;S)...</translation>
    </message>
    <message>
        <source>&amp;Varnaby Account...</source>
        <translation>Varnaby アカウント(&amp;V)...</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Varnaby Ledgerwell</source>
        <translation>Varnaby Ledgerwell</translation>
    </message>
    <message numerus="yes">
        <source>Auto-posted %n recurring transaction(s)</source>
        <translation>
            <numerusform>定期取引 %n 件を自動で記帳しました</numerusform>
        </translation>
    </message>
    <message>
        <source>Recurring entries that can no longer post were set inactive: %1</source>
        <translation>記帳できなくなった定期取引を無効にしました: %1</translation>
    </message>
    <message>
        <source>(no payee)</source>
        <translation>（取引先なし）</translation>
    </message>
    <message>
        <source>Select an account first</source>
        <translation>先に口座を選択してください</translation>
    </message>
    <message>
        <source>New Account</source>
        <translation>新規口座</translation>
    </message>
    <message>
        <source>Edit Account</source>
        <translation>口座の編集</translation>
    </message>
    <message>
        <source>New Transaction</source>
        <translation>新規取引</translation>
    </message>
    <message>
        <source>Transaction memorized as recurring</source>
        <translation>取引を定期取引として登録しました</translation>
    </message>
    <message>
        <source>Memorize Transaction</source>
        <translation>取引を定期登録</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;?

All transactions, recurring entries, and reconciliation history for this account will be removed. You can restore it from Preferences → Data &amp; Sync.</source>
        <translation>「%1」を削除しますか？

この口座の取引、定期取引、照合履歴はすべて削除されます。[環境設定] → [データと同期] から復元できます。</translation>
    </message>
    <message>
        <source>Delete Account</source>
        <translation>口座の削除</translation>
    </message>
    <message>
        <source>New Account...</source>
        <translation>新規口座...</translation>
    </message>
    <message>
        <source>Edit &quot;%1&quot;...</source>
        <translation>「%1」を編集...</translation>
    </message>
    <message>
        <source>Reconcile...</source>
        <translation>照合...</translation>
    </message>
    <message>
        <source>Reconciliation History...</source>
        <translation>照合履歴...</translation>
    </message>
    <message>
        <source>Rename Payees...</source>
        <translation>取引先の名前変更...</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;</source>
        <translation>「%1」を削除</translation>
    </message>
    <message>
        <source>Recurring Transactions</source>
        <translation>定期取引</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>レポート</translation>
    </message>
    <message>
        <source>Search Transactions</source>
        <translation>取引の検索</translation>
    </message>
    <message>
        <source>Import Transactions</source>
        <translation>取引のインポート</translation>
    </message>
    <message>
        <source>Payee Management</source>
        <translation>取引先の管理</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>環境設定</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>カテゴリ</translation>
    </message>
    <message>
        <source>Reconcile — %1</source>
        <translation>照合 — %1</translation>
    </message>
    <message>
        <source>Reconciliation History</source>
        <translation>照合履歴</translation>
    </message>
    <message>
        <source>Share...</source>
        <translation>共有...</translation>
    </message>
</context>
<context>
    <name>PayeeScreen</name>
    <message>
        <source>Payee Management</source>
        <translation>取引先の管理</translation>
    </message>
    <message>
        <source>Rename Selected</source>
        <translation>選択項目の名前変更</translation>
    </message>
    <message>
        <source>Merge Selected</source>
        <translation>選択項目を統合</translation>
    </message>
    <message>
        <source>Rename to:</source>
        <translation>新しい名前:</translation>
    </message>
    <message>
        <source>Rename Failed</source>
        <translation>名前を変更できませんでした</translation>
    </message>
    <message>
        <source>Rename Complete</source>
        <translation>名前の変更完了</translation>
    </message>
    <message numerus="yes">
        <source>Renamed %n transaction(s).</source>
        <translation>
            <numerusform>%n 件の取引の名前を変更しました。</numerusform>
        </translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>統合</translation>
    </message>
    <message>
        <source>Select 2 or more payees to merge.</source>
        <translation>統合する取引先を 2 つ以上選択してください。</translation>
    </message>
    <message>
        <source>Merge Payees</source>
        <translation>取引先の統合</translation>
    </message>
    <message>
        <source>Merge %1 payees into &quot;%2&quot;?</source>
        <translation>%1 件の取引先を「%2」に統合しますか？</translation>
    </message>
    <message>
        <source>Merge Complete</source>
        <translation>統合完了</translation>
    </message>
    <message numerus="yes">
        <source>Merged %n transaction(s).</source>
        <translation>
            <numerusform>%n 件の取引を統合しました。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Open calendar (F4)</source>
        <translation>カレンダーを開く (F4)</translation>
    </message>
</context>
<context>
    <name>ReconciliationHistoryScreen</name>
    <message>
        <source>Reconciliation History</source>
        <translation>照合履歴</translation>
    </message>
    <message>
        <source>No reconciliations yet. Reconcile your account from the register to see the history here.</source>
        <translation>照合の履歴はまだありません。記入帳から口座を照合すると、ここに履歴が表示されます。</translation>
    </message>
    <message>
        <source>Past reconciliations for this account.</source>
        <translation>この口座の過去の照合。</translation>
    </message>
    <message>
        <source>Statement Date</source>
        <translation>明細日</translation>
    </message>
    <message>
        <source>Statement Balance</source>
        <translation>明細残高</translation>
    </message>
    <message>
        <source>Reconciled Balance</source>
        <translation>照合済み残高</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>完了日</translation>
    </message>
    <message>
        <source>Reconciliation History — %1</source>
        <translation>照合履歴 — %1</translation>
    </message>
</context>
<context>
    <name>ReconciliationScreen</name>
    <message>
        <source>Previous Balance</source>
        <translation>前回残高</translation>
    </message>
    <message>
        <source>Cleared Deposits</source>
        <translation>決済済みの入金</translation>
    </message>
    <message>
        <source>Cleared Withdrawals</source>
        <translation>決済済みの出金</translation>
    </message>
    <message>
        <source>Cleared Balance</source>
        <translation>決済済み残高</translation>
    </message>
    <message>
        <source>Statement Balance</source>
        <translation>明細残高</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>差額</translation>
    </message>
    <message>
        <source>Reconcile Account</source>
        <translation>口座の照合</translation>
    </message>
    <message>
        <source>Statement Date:</source>
        <translation>明細日:</translation>
    </message>
    <message>
        <source>Statement Balance:</source>
        <translation>明細残高:</translation>
    </message>
    <message>
        <source>Finish Reconciliation</source>
        <translation>照合を完了</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Add Transaction</source>
        <translation>取引を追加</translation>
    </message>
    <message>
        <source>Add a transaction (Ctrl+N)</source>
        <translation>取引を追加 (Ctrl+N)</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>編集</translation>
    </message>
    <message>
        <source>Edit selected transaction (F2)</source>
        <translation>選択した取引を編集 (F2)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Delete selected transaction (Del)</source>
        <translation>選択した取引を削除 (Del)</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日付</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>取引先</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>金額</translation>
    </message>
    <message>
        <source>Clr</source>
        <translation>決済</translation>
    </message>
    <message>
        <source>Reconciliation Failed</source>
        <translation>照合に失敗しました</translation>
    </message>
    <message>
        <source>Reconciliation Complete</source>
        <translation>照合完了</translation>
    </message>
    <message>
        <source>Account reconciled successfully.</source>
        <translation>口座の照合が完了しました。</translation>
    </message>
    <message>
        <source>Transaction Not Saved</source>
        <translation>取引を保存できませんでした</translation>
    </message>
    <message>
        <source>Reconciled Transaction</source>
        <translation>照合済みの取引</translation>
    </message>
    <message>
        <source>This transaction is reconciled. Change it anyway?</source>
        <translation>この取引は照合済みです。変更しますか？</translation>
    </message>
    <message>
        <source>Delete Transaction</source>
        <translation>取引の削除</translation>
    </message>
    <message>
        <source>Delete the transaction for %1?</source>
        <translation>%1 の取引を削除しますか？</translation>
    </message>
    <message>
        <source>Transaction Not Deleted</source>
        <translation>取引を削除できませんでした</translation>
    </message>
</context>
<context>
    <name>ReconciliationService</name>
    <message>
        <source>The reconciliation could not be saved. Nothing was changed.</source>
        <translation>照合を保存できませんでした。何も変更されていません。</translation>
    </message>
</context>
<context>
    <name>RecurringFormDialog</name>
    <message>
        <source>New Recurring Transaction</source>
        <translation>新規定期取引</translation>
    </message>
    <message>
        <source>Edit Recurring Transaction</source>
        <translation>定期取引の編集</translation>
    </message>
    <message>
        <source>Memorize Transaction</source>
        <translation>取引を定期登録</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>支払</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>入金</translation>
    </message>
    <message>
        <source>Start typing to search payees...</source>
        <translation>入力して取引先を検索...</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>（なし）</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>任意</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>毎日</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>毎週</translation>
    </message>
    <message>
        <source>Bi-weekly</source>
        <translation>隔週</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>毎月</translation>
    </message>
    <message>
        <source>Quarterly</source>
        <translation>四半期ごと</translation>
    </message>
    <message>
        <source>Semi-annual</source>
        <translation>半年ごと</translation>
    </message>
    <message>
        <source>Annual</source>
        <translation>毎年</translation>
    </message>
    <message>
        <source>Has end date</source>
        <translation>終了日あり</translation>
    </message>
    <message>
        <source>Auto-post when due</source>
        <translation>期日に自動で記帳</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>有効</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>口座:</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>種類:</translation>
    </message>
    <message>
        <source>Payee:</source>
        <translation>取引先:</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>金額:</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>カテゴリ:</translation>
    </message>
    <message>
        <source>Memo:</source>
        <translation>メモ:</translation>
    </message>
    <message>
        <source>Frequency:</source>
        <translation>頻度:</translation>
    </message>
    <message>
        <source>Start Date:</source>
        <translation>開始日:</translation>
    </message>
    <message>
        <source>End Date:</source>
        <translation>終了日:</translation>
    </message>
</context>
<context>
    <name>RecurringModel</name>
    <message>
        <source>Yes</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>No</source>
        <translation>いいえ</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>有効</translation>
    </message>
    <message>
        <source>Inactive</source>
        <translation>無効</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>口座</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>取引先</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>金額</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>頻度</translation>
    </message>
    <message>
        <source>Next Due</source>
        <translation>次回期日</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>自動</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状態</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>カテゴリ</translation>
    </message>
</context>
<context>
    <name>RecurringScreen</name>
    <message>
        <source>Recurring Transactions</source>
        <translation>定期取引</translation>
    </message>
    <message>
        <source>Confirm All Due</source>
        <translation>期日分をすべて確定</translation>
    </message>
    <message>
        <source>New Recurring</source>
        <translation>新規定期取引</translation>
    </message>
    <message>
        <source>(%1 due)</source>
        <translation>（期日 %1 件）</translation>
    </message>
    <message>
        <source>Recurring Not Saved</source>
        <translation>定期取引を保存できませんでした</translation>
    </message>
    <message>
        <source>Confirm Failed</source>
        <translation>確定できませんでした</translation>
    </message>
    <message>
        <source>Skip Failed</source>
        <translation>スキップできませんでした</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Delete recurring &quot;%1&quot;?</source>
        <translation>定期取引「%1」を削除しますか？</translation>
    </message>
    <message>
        <source>Delete Failed</source>
        <translation>削除できませんでした</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>編集(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Confirm</source>
        <translation>確定(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Skip</source>
        <translation>スキップ(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>削除(&amp;D)</translation>
    </message>
</context>
<context>
    <name>RecurringService</name>
    <message>
        <source>The amount is too large</source>
        <translation>金額が大きすぎます</translation>
    </message>
    <message>
        <source>The recurring transaction could not be saved</source>
        <translation>定期取引を保存できませんでした</translation>
    </message>
    <message>
        <source>The recurring transaction could not be deleted</source>
        <translation>定期取引を削除できませんでした</translation>
    </message>
    <message>
        <source>The recurring transaction no longer exists</source>
        <translation>この定期取引はもう存在しません</translation>
    </message>
    <message>
        <source>The recurring transaction has a broken date and was stopped</source>
        <translation>定期取引の日付が不正なため停止しました</translation>
    </message>
    <message>
        <source>Transfer account not found</source>
        <translation>振替先の口座が見つかりません</translation>
    </message>
    <message>
        <source>Transfers require both accounts to use the same currency</source>
        <translation>振替は同じ通貨の口座同士でのみ可能です</translation>
    </message>
    <message>
        <source>The transaction could not be saved</source>
        <translation>取引を保存できませんでした</translation>
    </message>
</context>
<context>
    <name>RegisterDelegate</name>
    <message>
        <source>Memo</source>
        <translation>メモ</translation>
    </message>
</context>
<context>
    <name>RegisterHeader</name>
    <message>
        <source>Reconcile</source>
        <translation>照合</translation>
    </message>
    <message>
        <source>Cleared: %1</source>
        <translation>決済済み: %1</translation>
    </message>
    <message>
        <source>Today: %1</source>
        <translation>今日: %1</translation>
    </message>
</context>
<context>
    <name>RegisterModel</name>
    <message>
        <source>Date</source>
        <translation>日付</translation>
    </message>
    <message>
        <source>Chk #</source>
        <translation>小切手</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>取引先</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>カテゴリ</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>メモ</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>支払</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>入金</translation>
    </message>
    <message>
        <source>Clr</source>
        <translation>決済</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>残高</translation>
    </message>
    <message>
        <source>Payee / Memo</source>
        <translation>取引先 / メモ</translation>
    </message>
</context>
<context>
    <name>RegisterScreen</name>
    <message>
        <source>Ctrl+Enter: save  |  Enter: next  |  Ctrl+D: delete  |  Ctrl+M: memorize  |  &apos;: copy above</source>
        <translation>Ctrl+Enter: 保存  |  Enter: 次へ  |  Ctrl+D: 削除  |  Ctrl+M: 定期登録  |  &apos;: 上の値をコピー</translation>
    </message>
    <message>
        <source>Fields cleared</source>
        <translation>入力欄をクリアしました</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot; for %2?</source>
        <translation>「%1」（%2）を削除しますか？</translation>
    </message>
    <message>
        <source>Delete transfer &quot;%1&quot; for %2?

Both sides of the transfer will be deleted.</source>
        <translation>振替「%1」（%2）を削除しますか？

振替の両側の取引が削除されます。</translation>
    </message>
    <message>
        <source>Delete Transaction</source>
        <translation>取引の削除</translation>
    </message>
    <message>
        <source>Cannot memorize: source transaction has an invalid date</source>
        <translation>定期登録できません: 元の取引の日付が不正です</translation>
    </message>
    <message>
        <source>&amp;Insert New (Ctrl+I)</source>
        <translation>新しい行を挿入(&amp;I) (Ctrl+I)</translation>
    </message>
    <message>
        <source>&amp;New Transaction... (Ctrl+N)</source>
        <translation>新規取引(&amp;N)... (Ctrl+N)</translation>
    </message>
    <message>
        <source>Mark &amp;Uncleared</source>
        <translation>未決済にする(&amp;U)</translation>
    </message>
    <message>
        <source>Mark &amp;Cleared</source>
        <translation>決済済みにする(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Delete (Ctrl+D)</source>
        <translation>削除(&amp;D) (Ctrl+D)</translation>
    </message>
</context>
<context>
    <name>ReportPresets</name>
    <message>
        <source>This Month</source>
        <translation>今月</translation>
    </message>
    <message>
        <source>Last Month</source>
        <translation>先月</translation>
    </message>
    <message>
        <source>This Quarter</source>
        <translation>今四半期</translation>
    </message>
    <message>
        <source>Last Quarter</source>
        <translation>前四半期</translation>
    </message>
    <message>
        <source>This Year</source>
        <translation>今年</translation>
    </message>
    <message>
        <source>Last Year</source>
        <translation>昨年</translation>
    </message>
    <message>
        <source>Last 30 Days</source>
        <translation>過去 30 日</translation>
    </message>
    <message>
        <source>Last 90 Days</source>
        <translation>過去 90 日</translation>
    </message>
    <message>
        <source>Last 12 Months</source>
        <translation>過去 12 か月</translation>
    </message>
    <message>
        <source>All Time</source>
        <translation>全期間</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>カスタム</translation>
    </message>
    <message>
        <source>This Year vs Last Year</source>
        <translation>今年と昨年</translation>
    </message>
    <message>
        <source>Last Year vs Year Before</source>
        <translation>昨年と一昨年</translation>
    </message>
    <message>
        <source>This Quarter vs Last Quarter</source>
        <translation>今四半期と前四半期</translation>
    </message>
</context>
<context>
    <name>ReportService</name>
    <message>
        <source>Uncategorized</source>
        <translation>未分類</translation>
    </message>
</context>
<context>
    <name>ReportTable</name>
    <message>
        <source>Category</source>
        <translation>カテゴリ</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>合計</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>取引先</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>件数</translation>
    </message>
    <message>
        <source>Tax Code</source>
        <translation>税区分</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>月</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>収入</translation>
    </message>
    <message>
        <source>Expenses</source>
        <translation>支出</translation>
    </message>
    <message>
        <source>Net</source>
        <translation>差引</translation>
    </message>
    <message>
        <source>Period 1</source>
        <translation>期間 1</translation>
    </message>
    <message>
        <source>Period 2</source>
        <translation>期間 2</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>差額</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>口座</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>種類</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>決済済み</translation>
    </message>
    <message>
        <source>Uncleared</source>
        <translation>未決済</translation>
    </message>
    <message>
        <source>Checking</source>
        <translation>普通預金</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>貯蓄預金</translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation>クレジットカード</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>現金</translation>
    </message>
    <message>
        <source>Investment</source>
        <translation>投資</translation>
    </message>
    <message>
        <source>Tax Code Key</source>
        <translation>税区分の凡例</translation>
    </message>
</context>
<context>
    <name>ReportsScreen</name>
    <message>
        <source>Export CSV</source>
        <translation>CSV を書き出す</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>CSV ファイル (*.csv)</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>レポート</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>口座:</translation>
    </message>
    <message>
        <source>Period:</source>
        <translation>期間:</translation>
    </message>
    <message>
        <source>Include transfers</source>
        <translation>振替を含める</translation>
    </message>
    <message>
        <source>Category Spending</source>
        <translation>カテゴリ別支出</translation>
    </message>
    <message>
        <source>Payee Summary</source>
        <translation>取引先別集計</translation>
    </message>
    <message>
        <source>Tax Report</source>
        <translation>税務レポート</translation>
    </message>
    <message>
        <source>Cash Flow</source>
        <translation>収支</translation>
    </message>
    <message>
        <source>Year-over-Year</source>
        <translation>前年比較</translation>
    </message>
    <message>
        <source>Account Summary</source>
        <translation>口座の概要</translation>
    </message>
    <message>
        <source>P1:</source>
        <translation>期間1:</translation>
    </message>
    <message>
        <source>P2:</source>
        <translation>期間2:</translation>
    </message>
    <message>
        <source>Compare:</source>
        <translation>比較:</translation>
    </message>
    <message>
        <source>All Accounts</source>
        <translation>すべての口座</translation>
    </message>
    <message>
        <source>P1: %1 – %2    P2: %3 – %4</source>
        <translation>期間1: %1 – %2    期間2: %3 – %4</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>その他</translation>
    </message>
    <message>
        <source>Spending by category</source>
        <translation>カテゴリ別の支出</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>収入</translation>
    </message>
    <message>
        <source>Expenses</source>
        <translation>支出</translation>
    </message>
    <message>
        <source>Income and expenses by month</source>
        <translation>月別の収入と支出</translation>
    </message>
</context>
<context>
    <name>SampleDataService</name>
    <message>
        <source>Monthly savings</source>
        <translation>毎月の積立</translation>
    </message>
    <message>
        <source>Transfer to Savings</source>
        <translation>貯蓄口座へ振替</translation>
    </message>
    <message>
        <source>Transfer from Checking</source>
        <translation>メイン口座から振替</translation>
    </message>
    <message>
        <source>Main Checking</source>
        <translation>メイン口座</translation>
    </message>
    <message>
        <source>Riverbend Credit Union</source>
        <translation>リバーベンド信用組合</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>貯蓄口座</translation>
    </message>
    <message>
        <source>Visa Rewards</source>
        <translation>Visa リワード</translation>
    </message>
    <message>
        <source>Summit Bank</source>
        <translation>サミット銀行</translation>
    </message>
    <message>
        <source>Pinecrest Apartments</source>
        <translation>パインクレスト・アパートメント</translation>
    </message>
    <message>
        <source>Monthly rent</source>
        <translation>毎月の家賃</translation>
    </message>
    <message>
        <source>Brightpath Inc</source>
        <translation>ブライトパス株式会社</translation>
    </message>
    <message>
        <source>Biweekly paycheck</source>
        <translation>隔週の給与</translation>
    </message>
    <message>
        <source>February rent</source>
        <translation>2月分の家賃</translation>
    </message>
    <message>
        <source>Greenleaf Market</source>
        <translation>グリーンリーフ・マーケット</translation>
    </message>
    <message>
        <source>Weekly groceries</source>
        <translation>1週間分の食料品</translation>
    </message>
    <message>
        <source>Sunoco Station</source>
        <translation>サノコ・ガソリンスタンド</translation>
    </message>
    <message>
        <source>Fuel</source>
        <translation>給油</translation>
    </message>
    <message>
        <source>Lakeside Utilities</source>
        <translation>レイクサイド公共サービス</translation>
    </message>
    <message>
        <source>Electric bill</source>
        <translation>電気代</translation>
    </message>
    <message>
        <source>Water bill</source>
        <translation>水道代</translation>
    </message>
    <message>
        <source>Fibernet</source>
        <translation>ファイバーネット</translation>
    </message>
    <message>
        <source>Internet service</source>
        <translation>インターネット料金</translation>
    </message>
    <message>
        <source>StreamBox</source>
        <translation>ストリームボックス</translation>
    </message>
    <message>
        <source>Monthly subscription</source>
        <translation>月額料金</translation>
    </message>
    <message>
        <source>Osteria Lucca</source>
        <translation>オステリア・ルッカ</translation>
    </message>
    <message>
        <source>Dinner out</source>
        <translation>外食（夕食）</translation>
    </message>
    <message>
        <source>Harbor Mutual</source>
        <translation>ハーバー損保</translation>
    </message>
    <message>
        <source>Auto insurance</source>
        <translation>自動車保険料</translation>
    </message>
    <message>
        <source>Hope Community Church</source>
        <translation>ホープ・コミュニティ教会</translation>
    </message>
    <message>
        <source>Monthly donation</source>
        <translation>毎月の寄付</translation>
    </message>
    <message>
        <source>March rent</source>
        <translation>3月分の家賃</translation>
    </message>
    <message>
        <source>Walden Pharmacy</source>
        <translation>ウォールデン薬局</translation>
    </message>
    <message>
        <source>Prescription</source>
        <translation>処方薬</translation>
    </message>
    <message>
        <source>Mobilink</source>
        <translation>モビリンク</translation>
    </message>
    <message>
        <source>Phone bill</source>
        <translation>電話代</translation>
    </message>
    <message>
        <source>Interest payment</source>
        <translation>利息</translation>
    </message>
    <message>
        <source>QuickBite Delivery</source>
        <translation>クイックバイト宅配</translation>
    </message>
    <message>
        <source>Dinner delivery</source>
        <translation>夕食の宅配</translation>
    </message>
    <message>
        <source>Gadget Hub</source>
        <translation>ガジェットハブ</translation>
    </message>
    <message>
        <source>USB-C cables</source>
        <translation>USB-C ケーブル</translation>
    </message>
    <message>
        <source>CloudWatch Plus</source>
        <translation>CloudWatch Plus</translation>
    </message>
    <message>
        <source>Cloud storage plan</source>
        <translation>クラウドストレージのプラン</translation>
    </message>
    <message>
        <source>Bean There Roasters</source>
        <translation>ビーンゼア焙煎所</translation>
    </message>
    <message>
        <source>Coffee beans</source>
        <translation>コーヒー豆</translation>
    </message>
    <message>
        <source>Payment - Thank You</source>
        <translation>お支払い - ありがとうございます</translation>
    </message>
    <message>
        <source>Credit card payment</source>
        <translation>クレジットカードの支払い</translation>
    </message>
    <message>
        <source>Page &amp; Code Books</source>
        <translation>ページ＆コード書店</translation>
    </message>
    <message>
        <source>Programming books</source>
        <translation>プログラミングの本</translation>
    </message>
    <message>
        <source>Lunch delivery</source>
        <translation>昼食の宅配</translation>
    </message>
    <message>
        <source>Wireless mouse</source>
        <translation>ワイヤレスマウス</translation>
    </message>
    <message>
        <source>Algorithms text</source>
        <translation>アルゴリズムの教科書</translation>
    </message>
</context>
<context>
    <name>SearchResultsModel</name>
    <message>
        <source>Account</source>
        <translation>口座</translation>
    </message>
</context>
<context>
    <name>SearchScreen</name>
    <message>
        <source>Date range:</source>
        <translation>期間:</translation>
    </message>
    <message>
        <source>Cleared only</source>
        <translation>決済済みのみ</translation>
    </message>
    <message>
        <source>No results</source>
        <translation>該当なし</translation>
    </message>
    <message>
        <source>Search payee, memo, check number...</source>
        <translation>取引先、メモ、小切手番号を検索...</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>口座:</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>カテゴリ:</translation>
    </message>
    <message>
        <source>to</source>
        <translation>～</translation>
    </message>
    <message>
        <source>All Accounts</source>
        <translation>すべての口座</translation>
    </message>
    <message>
        <source>All Categories</source>
        <translation>すべてのカテゴリ</translation>
    </message>
</context>
<context>
    <name>SettingsScreen</name>
    <message>
        <source>General</source>
        <translation>一般</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>記入帳</translation>
    </message>
    <message>
        <source>Data &amp; Sync</source>
        <translation>データと同期</translation>
    </message>
    <message>
        <source>About</source>
        <translation>情報</translation>
    </message>
    <message>
        <source>Control how Varnaby Ledgerwell looks.</source>
        <translation>Varnaby Ledgerwell の外観を設定します。</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>外観</translation>
    </message>
    <message>
        <source>System Default</source>
        <translation>システムの設定</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>ライト</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>ダーク</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>テーマ</translation>
    </message>
    <message>
        <source>Regional</source>
        <translation>地域</translation>
    </message>
    <message>
        <source>Date and calendar preferences.</source>
        <translation>日付とカレンダーの設定。</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>日曜日</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>月曜日</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>土曜日</translation>
    </message>
    <message>
        <source>Week starts on</source>
        <translation>週の始まり</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>How transactions appear in the register.</source>
        <translation>記入帳での取引の表示方法。</translation>
    </message>
    <message>
        <source>Two-line rows</source>
        <translation>2 行表示</translation>
    </message>
    <message>
        <source>Show memo on a second line below the payee.</source>
        <translation>取引先の下の 2 行目にメモを表示します。</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>表示</translation>
    </message>
    <message>
        <source>Show newest transactions first</source>
        <translation>新しい取引を先に表示</translation>
    </message>
    <message>
        <source>When enabled, the most recent transactions appear at the top.</source>
        <translation>有効にすると、最新の取引が上に表示されます。</translation>
    </message>
    <message>
        <source>Sorting</source>
        <translation>並び順</translation>
    </message>
    <message>
        <source>Control the order of transactions in the register.</source>
        <translation>記入帳での取引の並び順を設定します。</translation>
    </message>
    <message>
        <source>Varnaby Ledgerwell</source>
        <translation>Varnaby Ledgerwell</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>バージョン %1</translation>
    </message>
    <message>
        <source>A digital ledgerwell register for tracking household finances.</source>
        <translation>家計を管理するためのデジタル記入帳です。</translation>
    </message>
    <message>
        <source>Language Changed</source>
        <translation>言語を変更しました</translation>
    </message>
    <message>
        <source>The new language will take effect the next time you start Varnaby Ledgerwell.</source>
        <translation>新しい言語は、次回 Varnaby Ledgerwell を起動したときに有効になります。</translation>
    </message>
</context>
<context>
    <name>ShortcutsBox</name>
    <message>
        <source>Register</source>
        <translation>記入帳</translation>
    </message>
    <message>
        <source>Save transaction</source>
        <translation>取引を保存</translation>
    </message>
    <message>
        <source>Insert new transaction (in the register)</source>
        <translation>新しい取引を挿入（記入帳内）</translation>
    </message>
    <message>
        <source>New transaction form (in the register)</source>
        <translation>新規取引フォーム（記入帳内）</translation>
    </message>
    <message>
        <source>Delete current transaction</source>
        <translation>現在の取引を削除</translation>
    </message>
    <message>
        <source>Next / previous field</source>
        <translation>次 / 前の入力欄</translation>
    </message>
    <message>
        <source>Copy value from field above</source>
        <translation>上の欄の値をコピー</translation>
    </message>
    <message>
        <source>Date Field</source>
        <translation>日付欄</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>今日</translation>
    </message>
    <message>
        <source>Next / previous day</source>
        <translation>翌日 / 前日</translation>
    </message>
    <message>
        <source>First / last day of month</source>
        <translation>月の初日 / 末日</translation>
    </message>
    <message>
        <source>First / last day of year</source>
        <translation>年の初日 / 末日</translation>
    </message>
    <message>
        <source>First / last day of week</source>
        <translation>週の初日 / 最終日</translation>
    </message>
    <message>
        <source>General</source>
        <translation>一般</translation>
    </message>
    <message>
        <source>New transaction (outside the register)</source>
        <translation>新規取引（記入帳の外）</translation>
    </message>
    <message>
        <source>New account (everywhere)</source>
        <translation>新規口座（どこでも）</translation>
    </message>
    <message>
        <source>Reconcile account</source>
        <translation>口座を照合</translation>
    </message>
    <message>
        <source>Search transactions</source>
        <translation>取引を検索</translation>
    </message>
    <message>
        <source>Import (outside the register)</source>
        <translation>インポート（記入帳の外）</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>レポート</translation>
    </message>
    <message>
        <source>Recurring transactions</source>
        <translation>定期取引</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>カテゴリ</translation>
    </message>
    <message>
        <source>Accounts</source>
        <translation>口座</translation>
    </message>
    <message>
        <source>Switch to account 1&amp;ndash;9</source>
        <translation>口座 1&amp;ndash;9 に切り替え</translation>
    </message>
    <message>
        <source>Switch to account 10</source>
        <translation>口座 10 に切り替え</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>キーボードショートカット</translation>
    </message>
</context>
<context>
    <name>SidebarModel</name>
    <message>
        <source>No accounts</source>
        <translation>口座がありません</translation>
    </message>
    <message>
        <source>Total: %1</source>
        <translation>合計: %1</translation>
    </message>
</context>
<context>
    <name>SignInController</name>
    <message>
        <source>Signed in successfully</source>
        <translation>サインインしました</translation>
    </message>
    <message>
        <source>Sign-in failed: %1</source>
        <translation>サインインに失敗しました: %1</translation>
    </message>
    <message>
        <source>Waiting for the sign-in in your web browser...</source>
        <translation>Web ブラウザーでのサインインを待っています...</translation>
    </message>
    <message>
        <source>Signed out</source>
        <translation>サインアウトしました</translation>
    </message>
</context>
<context>
    <name>StatusBar</name>
    <message>
        <source>Offline</source>
        <translation>オフライン</translation>
    </message>
    <message numerus="yes">
        <source>%n account(s)</source>
        <translation>
            <numerusform>%n 口座</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>  •  %n recurring due</source>
        <translation>
            <numerusform>  •  定期取引 %n 件が期日</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SyncEngine</name>
    <message>
        <source>Synced</source>
        <translation>同期済み</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation>同期中...</translation>
    </message>
    <message>
        <source>Sync error</source>
        <translation>同期エラー</translation>
    </message>
    <message>
        <source>Offline</source>
        <translation>オフライン</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>不明</translation>
    </message>
    <message>
        <source>Push failed (HTTP %1)</source>
        <translation>送信に失敗しました (HTTP %1)</translation>
    </message>
    <message>
        <source>Pull failed (HTTP %1)</source>
        <translation>受信に失敗しました (HTTP %1)</translation>
    </message>
    <message>
        <source>Pulled changes could not be saved: %1</source>
        <translation>受信した変更を保存できませんでした: %1</translation>
    </message>
    <message>
        <source>Push failed: the server&apos;s answer could not be read (HTTP %1)</source>
        <translation>送信に失敗しました: サーバーの応答を読み取れませんでした (HTTP %1)</translation>
    </message>
    <message>
        <source>Pull failed: the server&apos;s answer could not be read (HTTP %1)</source>
        <translation>受信に失敗しました: サーバーの応答を読み取れませんでした (HTTP %1)</translation>
    </message>
</context>
<context>
    <name>SyncIndicator</name>
    <message>
        <source>Sync complete</source>
        <translation>同期が完了しました</translation>
    </message>
    <message>
        <source>Sync failed: %1</source>
        <translation>同期に失敗しました: %1</translation>
    </message>
    <message>
        <source>Not signed in</source>
        <translation>サインインしていません</translation>
    </message>
</context>
<context>
    <name>SyncSection</name>
    <message>
        <source>Sync Now</source>
        <translation>今すぐ同期</translation>
    </message>
    <message>
        <source>Force Full Sync</source>
        <translation>完全同期を実行</translation>
    </message>
    <message>
        <source>&lt;b&gt;Signed in as:&lt;/b&gt; %1&lt;br&gt;&lt;b&gt;Status:&lt;/b&gt; &lt;span style=&quot;color:%2&quot;&gt;%3&lt;/span&gt;</source>
        <translation>&lt;b&gt;サインイン中:&lt;/b&gt; %1&lt;br&gt;&lt;b&gt;状態:&lt;/b&gt; &lt;span style=&quot;color:%2&quot;&gt;%3&lt;/span&gt;</translation>
    </message>
    <message>
        <source>Last synced: %1</source>
        <translation>最終同期: %1</translation>
    </message>
    <message>
        <source>Never synced</source>
        <translation>未同期</translation>
    </message>
    <message>
        <source>Error: %1</source>
        <translation>エラー: %1</translation>
    </message>
    <message>
        <source>Not signed in.
Sign in via File › Sign In to enable sync.</source>
        <translation>サインインしていません。
同期するには [ファイル] › [サインイン] からサインインしてください。</translation>
    </message>
    <message>
        <source>This will re-upload every local row to the server and re-download all server data. Use this if data appears out of sync between devices.

Continue?</source>
        <translation>すべてのローカルデータをサーバーに再アップロードし、サーバーのすべてのデータを再ダウンロードします。デバイス間でデータが一致しない場合に使用してください。

続行しますか?</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation>同期中...</translation>
    </message>
</context>
<context>
    <name>TaxCodes</name>
    <message>
        <source>Charitable contributions</source>
        <translation>寄付</translation>
    </message>
    <message>
        <source>Medical and dental expenses</source>
        <translation>医療費・歯科治療費</translation>
    </message>
    <message>
        <source>Business expenses</source>
        <translation>事業経費</translation>
    </message>
    <message>
        <source>Home office</source>
        <translation>在宅勤務</translation>
    </message>
    <message>
        <source>Education expenses</source>
        <translation>教育費</translation>
    </message>
    <message>
        <source>State and local taxes</source>
        <translation>州税・地方税</translation>
    </message>
    <message>
        <source>Mortgage interest</source>
        <translation>住宅ローン利息</translation>
    </message>
    <message>
        <source>Property tax</source>
        <translation>固定資産税</translation>
    </message>
    <message>
        <source>Interest income</source>
        <translation>受取利息</translation>
    </message>
    <message>
        <source>Dividend income</source>
        <translation>配当金</translation>
    </message>
    <message>
        <source>Rental income</source>
        <translation>不動産収入</translation>
    </message>
    <message>
        <source>Self-employment income</source>
        <translation>自営業収入</translation>
    </message>
</context>
<context>
    <name>TransactionFormDialog</name>
    <message>
        <source>New Transaction</source>
        <translation>新規取引</translation>
    </message>
    <message>
        <source>Edit Transaction</source>
        <translation>取引の編集</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>支払</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>入金</translation>
    </message>
    <message>
        <source>Start typing to search payees...</source>
        <translation>入力して取引先を検索...</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>（なし）</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>任意</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>決済済み</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>種類:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>日付:</translation>
    </message>
    <message>
        <source>Payee:</source>
        <translation>取引先:</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>金額:</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>カテゴリ:</translation>
    </message>
    <message>
        <source>Memo:</source>
        <translation>メモ:</translation>
    </message>
    <message>
        <source>Check #:</source>
        <translation>小切手番号:</translation>
    </message>
</context>
<context>
    <name>TransactionService</name>
    <message>
        <source>Transfer account not found</source>
        <translation>振替先の口座が見つかりません</translation>
    </message>
    <message>
        <source>The transaction could not be saved</source>
        <translation>取引を保存できませんでした</translation>
    </message>
    <message>
        <source>A transfer needs two different accounts</source>
        <translation>振替には異なる 2 つの口座が必要です</translation>
    </message>
    <message>
        <source>Transfers require both accounts to use the same currency</source>
        <translation>振替は同じ通貨の口座同士でのみ可能です</translation>
    </message>
    <message>
        <source>Transfer from %1</source>
        <translation>%1 から振替</translation>
    </message>
    <message>
        <source>Transfer to %1</source>
        <translation>%1 へ振替</translation>
    </message>
    <message>
        <source>The amount is too large</source>
        <translation>金額が大きすぎます</translation>
    </message>
    <message>
        <source>The transaction no longer exists</source>
        <translation>この取引はもう存在しません</translation>
    </message>
    <message>
        <source>The transaction could not be deleted</source>
        <translation>取引を削除できませんでした</translation>
    </message>
    <message>
        <source>The payees could not be renamed</source>
        <translation>取引先の名前を変更できませんでした</translation>
    </message>
</context>
<context>
    <name>UpdateController</name>
    <message>
        <source>Checking for updates…</source>
        <translation>アップデートを確認しています…</translation>
    </message>
    <message>
        <source>%1 is up to date (version %2)</source>
        <translation>%1 は最新です (バージョン %2)</translation>
    </message>
    <message>
        <source>Update check failed: %1</source>
        <translation>アップデートの確認に失敗しました: %1</translation>
    </message>
    <message>
        <source>Loading release notes…</source>
        <translation>リリースノートを読み込んでいます…</translation>
    </message>
    <message>
        <source>No release notes available for %1 %2</source>
        <translation>%1 %2 のリリースノートはありません</translation>
    </message>
</context>
<context>
    <name>VarnAccount::AccountDevicesPage</name>
    <message>
        <source>Devices</source>
        <translation>デバイス</translation>
    </message>
    <message>
        <source>Registered Devices</source>
        <translation>登録済みデバイス</translation>
    </message>
    <message>
        <source>Devices that have synced with your account.</source>
        <translation>アカウントと同期したデバイスです。</translation>
    </message>
    <message>
        <source>No devices registered.</source>
        <translation>登録済みのデバイスはありません。</translation>
    </message>
    <message>
        <source>Unknown Device</source>
        <translation>不明なデバイス</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Remove Device</source>
        <translation>デバイスを削除</translation>
    </message>
    <message>
        <source>Remove %1?</source>
        <translation>%1 を削除しますか？</translation>
    </message>
    <message>
        <source>Device removed.</source>
        <translation>デバイスを削除しました。</translation>
    </message>
    <message>
        <source>Failed to remove device.</source>
        <translation>デバイスを削除できませんでした。</translation>
    </message>
</context>
<context>
    <name>VarnAccount::AccountGroupPage</name>
    <message>
        <source>Group</source>
        <translation>グループ</translation>
    </message>
    <message>
        <source>%1 of %2 seats used</source>
        <translation>%2 席中 %1 席使用中</translation>
    </message>
    <message>
        <source>Invite Members</source>
        <translation>メンバーを招待</translation>
    </message>
    <message>
        <source>Invite by Email</source>
        <translation>メールで招待</translation>
    </message>
    <message>
        <source>Generate Invite Code</source>
        <translation>招待コードを生成</translation>
    </message>
    <message>
        <source>Leave Group</source>
        <translation>グループから退出</translation>
    </message>
    <message>
        <source>No Group</source>
        <translation>グループなし</translation>
    </message>
    <message>
        <source>You&apos;re not part of a group. The group owner can invite you, or you can join with an invite code.</source>
        <translation>グループに参加していません。グループのオーナーから招待を受けるか、招待コードで参加できます。</translation>
    </message>
    <message>
        <source>Join with Invite Code</source>
        <translation>招待コードで参加</translation>
    </message>
    <message>
        <source>Members</source>
        <translation>メンバー</translation>
    </message>
    <message>
        <source>Owner</source>
        <translation>オーナー</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Pending Invitations</source>
        <translation>保留中の招待</translation>
    </message>
    <message>
        <source>Invite code: %1</source>
        <translation>招待コード: %1</translation>
    </message>
    <message>
        <source>Revoke</source>
        <translation>取り消す</translation>
    </message>
    <message>
        <source>Join Group</source>
        <translation>グループに参加</translation>
    </message>
    <message>
        <source>Enter invite code:</source>
        <translation>招待コードを入力:</translation>
    </message>
    <message>
        <source>Joined group.</source>
        <translation>グループに参加しました。</translation>
    </message>
    <message>
        <source>Invalid or expired invite code.</source>
        <translation>招待コードが無効か期限切れです。</translation>
    </message>
    <message>
        <source>Email address:</source>
        <translation>メールアドレス:</translation>
    </message>
    <message>
        <source>Invitation sent.</source>
        <translation>招待を送信しました。</translation>
    </message>
    <message>
        <source>Failed to send invitation.</source>
        <translation>招待を送信できませんでした。</translation>
    </message>
    <message>
        <source>Failed to generate code.</source>
        <translation>コードを生成できませんでした。</translation>
    </message>
    <message>
        <source>Invite Code</source>
        <translation>招待コード</translation>
    </message>
    <message>
        <source>Share this code with the person you want to invite:

%1</source>
        <translation>招待したい相手にこのコードを伝えてください:

%1</translation>
    </message>
    <message>
        <source>Leave this group? You will lose access to shared data.</source>
        <translation>このグループから退出しますか？共有データにアクセスできなくなります。</translation>
    </message>
    <message>
        <source>Left group.</source>
        <translation>グループから退出しました。</translation>
    </message>
    <message>
        <source>Failed to leave group.</source>
        <translation>グループから退出できませんでした。</translation>
    </message>
    <message>
        <source>Remove Member</source>
        <translation>メンバーを削除</translation>
    </message>
    <message>
        <source>Remove %1 from the group?</source>
        <translation>%1 をグループから削除しますか？</translation>
    </message>
    <message>
        <source>%1 removed.</source>
        <translation>%1 を削除しました。</translation>
    </message>
    <message>
        <source>Failed to remove member.</source>
        <translation>メンバーを削除できませんでした。</translation>
    </message>
    <message>
        <source>Invitation revoked.</source>
        <translation>招待を取り消しました。</translation>
    </message>
    <message>
        <source>Failed to revoke invitation.</source>
        <translation>招待を取り消せませんでした。</translation>
    </message>
</context>
<context>
    <name>VarnAccount::AccountPrivacyPage</name>
    <message>
        <source>Data &amp; Privacy</source>
        <translation>データとプライバシー</translation>
    </message>
    <message>
        <source>Danger Zone</source>
        <translation>危険な操作</translation>
    </message>
    <message>
        <source>Permanently delete your account. This cannot be undone after 30 days.</source>
        <translation>アカウントを完全に削除します。30日を過ぎると元に戻せません。</translation>
    </message>
    <message>
        <source>Delete Account</source>
        <translation>アカウントを削除</translation>
    </message>
    <message>
        <source>You are the group owner. Transfer ownership or remove all members before deleting your account.</source>
        <translation>あなたはグループのオーナーです。アカウントを削除する前に、オーナー権限を譲渡するか、すべてのメンバーを削除してください。</translation>
    </message>
    <message>
        <source>This will schedule your account for permanent deletion after 30 days.

Type DELETE to confirm:</source>
        <translation>30日後にアカウントが完全に削除されるよう予約されます。

確認のため DELETE と入力してください:</translation>
    </message>
    <message>
        <source>Failed to delete account.</source>
        <translation>アカウントを削除できませんでした。</translation>
    </message>
    <message>
        <source>Account Scheduled for Deletion</source>
        <translation>アカウントの削除を予約しました</translation>
    </message>
    <message>
        <source>Your account will be permanently deleted in 30 days. You can recover it by signing in before then.</source>
        <translation>アカウントは30日後に完全に削除されます。それまでにサインインすれば復元できます。</translation>
    </message>
</context>
<context>
    <name>VarnAccount::AccountProfilePage</name>
    <message>
        <source>Profile</source>
        <translation>プロフィール</translation>
    </message>
    <message>
        <source>Personal Information</source>
        <translation>個人情報</translation>
    </message>
    <message>
        <source>Display name:</source>
        <translation>表示名:</translation>
    </message>
    <message>
        <source>(not set)</source>
        <translation>（未設定）</translation>
    </message>
    <message>
        <source>Email:</source>
        <translation>メール:</translation>
    </message>
    <message>
        <source>Edit Display Name</source>
        <translation>表示名を編集</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>パスワード</translation>
    </message>
    <message>
        <source>Change your account password.</source>
        <translation>アカウントのパスワードを変更します。</translation>
    </message>
    <message>
        <source>Change Password</source>
        <translation>パスワードを変更</translation>
    </message>
    <message>
        <source>Display name updated.</source>
        <translation>表示名を更新しました。</translation>
    </message>
    <message>
        <source>Failed to update profile.</source>
        <translation>プロフィールを更新できませんでした。</translation>
    </message>
    <message>
        <source>Current password:</source>
        <translation>現在のパスワード:</translation>
    </message>
    <message>
        <source>New password (min 8 characters):</source>
        <translation>新しいパスワード（8文字以上）:</translation>
    </message>
    <message>
        <source>Password must be at least 8 characters.</source>
        <translation>パスワードは8文字以上にしてください。</translation>
    </message>
    <message>
        <source>Confirm new password:</source>
        <translation>新しいパスワードの確認:</translation>
    </message>
    <message>
        <source>Passwords do not match.</source>
        <translation>パスワードが一致しません。</translation>
    </message>
    <message>
        <source>Password changed.</source>
        <translation>パスワードを変更しました。</translation>
    </message>
    <message>
        <source>Failed to change password.</source>
        <translation>パスワードを変更できませんでした。</translation>
    </message>
</context>
<context>
    <name>VarnAccount::AccountScreen</name>
    <message>
        <source>Profile</source>
        <translation>プロフィール</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>グループ</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>デバイス</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>セキュリティ</translation>
    </message>
    <message>
        <source>Data &amp; Privacy</source>
        <translation>データとプライバシー</translation>
    </message>
</context>
<context>
    <name>VarnAccount::AccountSecurityPage</name>
    <message>
        <source>Security</source>
        <translation>セキュリティ</translation>
    </message>
    <message>
        <source>Unknown client</source>
        <translation>不明なクライアント</translation>
    </message>
    <message>
        <source>Active Sessions</source>
        <translation>アクティブなセッション</translation>
    </message>
    <message>
        <source>Sessions currently signed in to your account.</source>
        <translation>現在アカウントにサインインしているセッションです。</translation>
    </message>
    <message>
        <source>No active sessions.</source>
        <translation>アクティブなセッションはありません。</translation>
    </message>
    <message>
        <source>This session</source>
        <translation>このセッション</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>現在</translation>
    </message>
    <message>
        <source>Revoke</source>
        <translation>取り消す</translation>
    </message>
    <message>
        <source>Session revoked.</source>
        <translation>セッションを取り消しました。</translation>
    </message>
</context>
<context>
    <name>VarnAccount::AccountSharingService</name>
    <message>
        <source>Failed to share account (HTTP %1)</source>
        <translation>口座を共有できませんでした (HTTP %1)</translation>
    </message>
</context>
<context>
    <name>VarnAccount::AuthClient</name>
    <message>
        <source>Failed to start local auth server</source>
        <translation>ローカル認証サーバーを起動できませんでした</translation>
    </message>
    <message>
        <source>Sign-in timed out</source>
        <translation>サインインがタイムアウトしました</translation>
    </message>
    <message>
        <source>No tokens received</source>
        <translation>トークンを受け取れませんでした</translation>
    </message>
</context>
<context>
    <name>VarnAccount::RelativeTime</name>
    <message>
        <source>Unknown</source>
        <translation>不明</translation>
    </message>
    <message>
        <source>Active now</source>
        <translation>現在アクティブ</translation>
    </message>
    <message>
        <source>%1m ago</source>
        <translation>%1分前</translation>
    </message>
    <message>
        <source>%1h ago</source>
        <translation>%1時間前</translation>
    </message>
    <message>
        <source>%1d ago</source>
        <translation>%1日前</translation>
    </message>
</context>
<context>
    <name>VarnAccount::ShareMembersDialog</name>
    <message>
        <source>You&apos;re not part of a group yet. Once you belong to one (see File › Varnaby Account...), you can share this account with its members here.</source>
        <translation>まだグループに参加していません。グループに参加すると（ファイル › Varnaby アカウント...）、ここでこの口座をメンバーと共有できます。</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>読み込み中...</translation>
    </message>
    <message>
        <source>All group members already added</source>
        <translation>グループのメンバー全員が追加済みです</translation>
    </message>
    <message>
        <source>Sharing...</source>
        <translation>共有中...</translation>
    </message>
    <message>
        <source>Could not share with %1.</source>
        <translation>%1 と共有できませんでした。</translation>
    </message>
    <message>
        <source>Could not remove share.</source>
        <translation>共有を解除できませんでした。</translation>
    </message>
</context>
<context>
    <name>VarnUpdate::UpdateDialog</name>
    <message>
        <source>Update available</source>
        <translation>アップデートがあります</translation>
    </message>
    <message>
        <source>A new version of %1 is available.</source>
        <translation>%1 の新しいバージョンがあります。</translation>
    </message>
    <message>
        <source>You have version %1. The latest version is %2.</source>
        <translation>現在のバージョンは %1 です。最新バージョンは %2 です。</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>ダウンロード</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>後で</translation>
    </message>
    <message>
        <source>Loading release notes…</source>
        <translation>リリースノートを読み込んでいます…</translation>
    </message>
    <message>
        <source>*Release notes are not available for this version.*</source>
        <translation>*このバージョンのリリースノートはありません。*</translation>
    </message>
</context>
<context>
    <name>VarnUpdate::WhatsNewDialog</name>
    <message>
        <source>What&apos;s New in %1 %2</source>
        <translation>%1 %2 の新機能</translation>
    </message>
    <message>
        <source>What&apos;s new in %1 %2</source>
        <translation>%1 %2 の新機能</translation>
    </message>
    <message>
        <source>You are running version %1</source>
        <translation>ご使用のバージョンは %1 です</translation>
    </message>
    <message>
        <source>Download %1</source>
        <translation>%1 をダウンロード</translation>
    </message>
</context>
<context>
    <name>WelcomeScreen</name>
    <message>
        <source>Continue Without an Account</source>
        <translation>アカウントなしで続ける</translation>
    </message>
    <message>
        <source>Varnaby Ledgerwell</source>
        <translation>Varnaby Ledgerwell</translation>
    </message>
    <message>
        <source>Your finances, everywhere.</source>
        <translation>あなたの家計を、どこでも。</translation>
    </message>
    <message>
        <source>Opens in your web browser</source>
        <translation>Web ブラウザーで開きます</translation>
    </message>
    <message>
        <source>Sign Out</source>
        <translation>サインアウト</translation>
    </message>
    <message>
        <source>Already have an account? Sign In</source>
        <translation>アカウントをお持ちの方はサインイン</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Ledgerwell is already open for this data folder.</source>
        <translation>このデータフォルダーはすでに Ledgerwell で開かれています。</translation>
    </message>
</context>
</TS>
